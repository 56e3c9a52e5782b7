#include <gtest/gtest.h>

#include "platform/line_reader.h"
#include "workflow/value_pairing.h"

namespace stapelwerk::workflow {
namespace {

using Values = std::vector<std::string>;

TEST(PairValueText, CutsTheTextAsAScriptWritesIt) {
    Job job;
    job.confirmedEntries = {"a.prt", "b.prt"};
    const struct {
        std::string text;
        ValueListForm form;
        Values values;
    } cases[] = {
        {"1\r\n2", ValueListForm::oneValueALine, {"1", "2"}},
        {"1\n2\n", ValueListForm::oneValueALine, {"1", "2"}},
        {"1\r2\r\n", ValueListForm::oneValueALine, {"1", "2"}},
        {"\r\n\n", ValueListForm::oneValueALine, {"", ""}},
        {"b.prt;2\r\nA.PRT\t1", ValueListForm::keyed, {"1", "2"}},
        {"b.prt;2", ValueListForm::keyed, {"", "2"}},
        {"a;1\nb;2", ValueListForm::detect, {"1", "2"}},
        // By position, a line's value is its first cell; a ';' ends it only where every
        // line has one, and elsewhere stays, to be refused by name rather than cut.
        {"STAHL\tgeprüft Meier\nALU\t", ValueListForm::oneValueALine, {"STAHL", "ALU"}},
        {"S235;a;b\n\"S;355\";c", ValueListForm::oneValueALine, {"S235", "S;355"}},
        {"M8;verzinkt\nALU", ValueListForm::oneValueALine, {"M8;verzinkt", "ALU"}},
        {"M8;verzinkt\nALU", ValueListForm::detect, {"M8;verzinkt", "ALU"}},
        {"\"M8\"\n\xEF\xBB\xBF"
         "ALU",
         ValueListForm::oneValueALine,
         {"M8", "ALU"}},
        // By name, a three-column row gives its second cell.
        {"b.prt\tS355\tgeprüft\na.prt;S235;x", ValueListForm::keyed, {"S235", "S355"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Result<KeyedPairing> pairing = pairValueText(job, c.text, c.form);
        ASSERT_TRUE(pairing.ok()) << pairing.message();
        EXPECT_EQ(pairing->values, c.values);
        const Result<KeyedPairing> ofLines =
            pairValues(job, splitLines(c.text, LoneLineFeed::endsLine), c.form);
        ASSERT_TRUE(ofLines.ok()) << ofLines.message();
        EXPECT_EQ(ofLines->values, c.values) << "the window's list pairs as the text does";
    }
}

TEST(PairValueText, ACountThatDoesNotAgreeIsRefusedAsByLines) {
    Job job;
    job.confirmedEntries = {"a.prt", "b.prt"};
    for (const std::string text : {"", "1", "1\r\n2\r\n3", "1\n\n2\n"}) {
        SCOPED_TRACE(text);
        const Result<KeyedPairing> pairing = pairValueText(job, text, ValueListForm::oneValueALine);
        ASSERT_FALSE(pairing.ok());
        EXPECT_EQ(pairing.message(), pairValues(job, splitLines(text, LoneLineFeed::endsLine),
                                                ValueListForm::oneValueALine)
                                         .message());
        EXPECT_NE(pairing.message(), "");
    }
}

}  // namespace
}  // namespace stapelwerk::workflow
