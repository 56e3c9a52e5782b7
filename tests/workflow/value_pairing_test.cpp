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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Result<KeyedPairing> pairing = pairValueText(job, c.text, c.form);
        ASSERT_TRUE(pairing.ok()) << pairing.message();
        EXPECT_EQ(pairing->values, c.values);
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
