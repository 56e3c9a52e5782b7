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

TEST(KeyedValues, PairsByReducedNameWhateverTheOrderAndTheCase) {
    const Texts entries = {"welle.prt", "Flansch.PRT", "deckel.drw", "welle.drw"};
    const KeyedPairing pairing = pairByName(
        entries, {{"deckel.drw", "3"}, {"C:\\pdm\\FLANSCH.prt.12", "2"}, {"WELLE.PRT", "1"}});
    EXPECT_EQ(pairing.values, (Texts{"1", "2", "3", ""}));
    EXPECT_EQ(pairing.entriesWithoutValue, Texts{"welle.drw"});
    EXPECT_TRUE(pairing.unmatchedNames.empty());
    EXPECT_TRUE(pairing.conflictingNames.empty());
}

TEST(KeyedValues, ReportsSurplusNamesOnceAndContradictionsButNotRepeats) {
    const KeyedPairing pairing = pairByName({"a.prt", "b.prt", "c.prt"}, {
                                                                             {"x.prt", "1"},
                                                                             {"a.prt", "1"},
                                                                             {"A.PRT", "1"},
                                                                             {"b.prt", "2"},
                                                                             {"X.prt", "9"},
                                                                             {"B.prt.2", "3"},
                                                                             {"y.prt", "4"},
                                                                         });
    EXPECT_EQ(pairing.values, (Texts{"1", "2", ""})) << "the first line of a name counts";
    EXPECT_EQ(pairing.entriesWithoutValue, Texts{"c.prt"});
    EXPECT_EQ(pairing.unmatchedNames, (Texts{"x.prt", "y.prt"}));
    EXPECT_EQ(pairing.conflictingNames, (Texts{"x.prt", "b.prt"}));
}

TEST(KeyedValues, EntriesThatDifferOnlyInCaseShareTheirValue) {
    const KeyedPairing pairing = pairByName({"Welle.prt", "welle.prt"}, {{"WELLE.prt", "S"}});
    EXPECT_EQ(pairing.values, (Texts{"S", "S"}));
    EXPECT_TRUE(pairing.entriesWithoutValue.empty());
    EXPECT_TRUE(pairing.unmatchedNames.empty());
}

}  // namespace
}  // namespace stapelwerk
