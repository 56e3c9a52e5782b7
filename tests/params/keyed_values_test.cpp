#include <gtest/gtest.h>

#include <algorithm>

#include "core/texts.h"
#include "params/keyed_values.h"

namespace stapelwerk {

inline void PrintTo(const KeyedValue& keyed, std::ostream* out) {
    *out << '"' << keyed.name << "\" -> \"" << keyed.value << '"';
}

namespace {

using Texts = std::vector<std::string>;

// The name is the first cell, as a work-list line's; the value is the second cell of a
// row cut at its TABs, or at its ';' when it has no TAB.
TEST(KeyedValues, TheValueIsTheSecondCellOfItsRow) {
    const struct {
        const char* line;
        KeyedValue split;
    } cases[] = {
        {"welle.prt\tStahl", {"welle.prt", "Stahl"}},
        {"welle.prt;Stahl", {"welle.prt", "Stahl"}},
        {"welle.prt;S235; verzinkt", {"welle.prt", "S235"}},
        {"welle.prt\tSTAHL\tgeprüft Meier", {"welle.prt", "STAHL"}},
        {"welle.prt\tM8;verzinkt\tx", {"welle.prt", "M8;verzinkt"}},
        {"welle.prt;a\tb", {"welle.prt", "b"}},
        {"welle.prt\t a\tb ", {"welle.prt", " a"}},
        {"\"a;b.prt\";\"S;235\";x", {"a;b.prt", "S;235"}},
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
    // Cells are taken without the blanks around them; rows "Name" and a header above rows
    // of typed names are left out.
    EXPECT_EQ(parseKeyedValues({"", "Name\tWert", " a \t 1 2 ", "Name;x"}),
              (std::vector<KeyedValue>{{"a", "1 2"}}));
    EXPECT_EQ(parseKeyedValues({"Teilenummer;Werkstoff;Prüfer", "welle.prt;S235;Meier"}),
              (std::vector<KeyedValue>{{"welle.prt", "S235"}}));
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

// Read straight from a text, a list pairs as its lines do, whatever ends them.
TEST(KeyedValues, ATextGivesWhatItsLinesGive) {
    const struct {
        std::string text;
        Texts lines;
    } cases[] = {
        {"", {}},
        {"a;1", {"a;1"}},
        {"a;1\r\nb\t2\r\n", {"a;1", "b\t2"}},
        {"Name;Wert\nb;2\rc", {"Name;Wert", "b;2", "c"}},
        {"\r\n\r\n a ; 1 \n", {"", "", " a ; 1 "}},
        {"a;1\r\nStahl", {"a;1", "Stahl"}},
        {"A;1\nb;2\na;3\nx;4\nb;2", {"A;1", "b;2", "a;3", "x;4", "b;2"}},
    };
    const Texts entries = {"a", "b.prt", "c.drw"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(pairKeyedText(entries, c.text), pairByName(entries, parseKeyedValues(c.lines)));
        EXPECT_EQ(isTwoColumnText(c.text), isTwoColumnList(c.lines));
    }
    EXPECT_TRUE(isTwoColumnText("a;1\r\n\r\nb\t2"));
    EXPECT_FALSE(isTwoColumnText("a;1\r\nStahl"));
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

// ß has no capital of one letter: upper case writes SS, and names are compared so.
TEST(KeyedValues, NamesMatchUnderFullCaseFolding) {
    const KeyedPairing pairing =
        pairByName({"stößel.prt", "Fuß.prt", "maß.prt"},
                   {{"STÖSSEL.PRT", "1"}, {"FUẞ.PRT", "2"}, {"MASS.prt", "3"}, {"Maß.prt", "4"}});
    EXPECT_EQ(pairing.values, (Texts{"1", "2", "3"}));
    EXPECT_EQ(pairing.conflictingNames, Texts{"MASS.prt"});
    EXPECT_TRUE(pairing.unmatchedNames.empty());
}

TEST(KeyedValues, ANameWithoutExtensionNamesTheOnePartOfThatName) {
    const Texts entries = {"welle.prt",   "Welle.PRT",  "flansch.prt",
                           "flansch.drw", "deckel.asm", "achse"};
    const KeyedPairing pairing = pairByName(entries, {
                                                         {"WELLE", "1"},
                                                         {"flansch", "2"},
                                                         {"deckel", "3"},
                                                         {"deckel.asm", "4"},
                                                         {"achse.prt", "5"},
                                                     });
    EXPECT_EQ(pairing.values, (Texts{"1", "1", "", "", "4", ""}));
    EXPECT_EQ(pairing.ambiguousNames, Texts{"flansch"});
    EXPECT_EQ(pairing.unmatchedNames, (Texts{"deckel", "achse.prt"}))
        << "a name with its extension wins; an extension is never dropped from a name";
    const std::string question = keyedGapsQuestion(entries, pairing);
    for (const char* shown : {"\"welle.prt\" erhält \"1\"", "\"deckel.asm\" erhält \"4\"",
                              "\"flansch\"", "\"achse.prt\""}) {
        EXPECT_NE(question.find(shown), std::string::npos) << shown << "\n" << question;
    }
}

TEST(KeyedValues, TheQuestionShowsTheFirstFivePairsAndCountsTheRest) {
    Texts entries;
    std::vector<KeyedValue> keyed;
    for (int i = 1; i <= 7; ++i) {
        entries.push_back("t" + std::to_string(i) + ".prt");
        keyed.push_back({"t" + std::to_string(i), "w" + std::to_string(i)});
    }
    const std::string pairs = firstPairs(entries, pairByName(entries, keyed));
    EXPECT_NE(pairs.find("\"t5.prt\" erhält \"w5\""), std::string::npos) << pairs;
    EXPECT_EQ(pairs.find("t6.prt"), std::string::npos) << pairs;
    EXPECT_NE(pairs.find("2 weitere"), std::string::npos) << pairs;
    EXPECT_EQ(firstPairs(entries, pairByName(entries, {})), "");
}

// A box taller than the screen hides its buttons: each heading names a few, then counts.
TEST(KeyedValues, TheQuestionAndTheRefusalNameAFewAndCountTheRest) {
    Texts entries;
    std::vector<KeyedValue> keyed;
    for (int i = 1; i <= 300; ++i) {
        entries.push_back("t" + std::to_string(i) + ".prt");
        keyed.push_back({"x" + std::to_string(i), "1"});
        keyed.push_back({"x" + std::to_string(i), "2"});
    }
    const KeyedPairing pairing = pairByName(entries, keyed);
    const std::string question = keyedGapsQuestion(entries, pairing);
    const std::string refusal = keyedConflictMessage(pairing);
    for (const std::string& text : {question, refusal}) {
        EXPECT_NE(text.find("\"x8\""), std::string::npos) << text;
        EXPECT_EQ(text.find("\"x9\""), std::string::npos) << text;
        EXPECT_NE(text.find("… und 292 weitere"), std::string::npos) << text;
        EXPECT_LT(std::count(text.begin(), text.end(), '\n'), 40) << text;
    }
    EXPECT_EQ(texts::namesUnderHeading("H:", pairing.unmatchedNames).find("weitere"),
              std::string::npos)
        << "the command line lists every name";
}

}  // namespace
}  // namespace stapelwerk
