#include <gtest/gtest.h>

#include "params/keyed_values.h"

namespace stapelwerk {

inline void PrintTo(const KeyedValue& keyed, std::ostream* out) {
    *out << '"' << keyed.name << "\" -> \"" << keyed.value << '"';
}

namespace {

using Texts = std::vector<std::string>;

TEST(KeyedValues, SplitsAtTheFirstTabElseAtTheFirstSemicolon) {
    const struct {
        const char* line;
        KeyedValue split;
    } cases[] = {
        {"welle.prt\tStahl", {"welle.prt", "Stahl"}},
        {"welle.prt;Stahl", {"welle.prt", "Stahl"}},
        {"welle.prt;S235; verzinkt", {"welle.prt", "S235; verzinkt"}},
        {"welle.prt;a\tb", {"welle.prt;a", "b"}},  // a TAB wins over an earlier ';'
        {"welle.prt\t a\tb ", {"welle.prt", " a\tb "}},
        {" welle.prt ;", {" welle.prt ", ""}},
        {"\tStahl", {"", "Stahl"}},
        {"welle.prt", {"welle.prt", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(splitKeyedLine(c.line), c.split);
    }
    EXPECT_EQ(parseKeyedValues({"", "a;1", "", "b\t2"}),
              (std::vector<KeyedValue>{{"a", "1"}, {"b", "2"}}));
}

TEST(KeyedValues, TwoColumnsWhenEveryLineThatIsNotEmptyHasASeparator) {
    const struct {
        Texts lines;
        bool twoColumns;
    } cases[] = {
        {{"a.prt\t1", "", "b.prt;2"}, true},
        {{"a.prt;1", "b.prt"}, false},
        {{"Stahl", "S235; verzinkt"}, false},
        {{"", ""}, false},
        {{}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.lines));
        EXPECT_EQ(isTwoColumnList(c.lines), c.twoColumns);
    }
}

TEST(KeyedValues, PairsByReducedNameInAnyOrderAndCaseAndReportsWhatDoesNotFit) {
    const KeyedPairing pairing = pairByName({"welle.prt", "Flansch.PRT", "WELLE.prt", "c.drw"},
                                            {
                                                {"x.prt", "1"},
                                                {"C:\\pdm\\FLANSCH.prt.12", "2"},
                                                {"welle.PRT", "3"},
                                                {"flansch.prt", "2"},
                                                {"X.prt", "9"},
                                                {"/pdm/Welle.prt.2", "4"},
                                                {"y.prt", "5"},
                                            });
    EXPECT_EQ(pairing.values, (Texts{"3", "2", "3", ""})) << "the first line of a name counts";
    EXPECT_EQ(pairing.entriesWithoutValue, Texts{"c.drw"});
    EXPECT_EQ(pairing.unmatchedNames, (Texts{"x.prt", "y.prt"}));
    EXPECT_EQ(pairing.conflictingNames, (Texts{"x.prt", "welle.PRT"})) << "not a repeat";
}

}  // namespace
}  // namespace stapelwerk
