#include <gtest/gtest.h>

#include "core/job.h"
#include "workflow/write_check.h"

namespace stapelwerk::workflow {
namespace {

using Kinds = std::vector<FindingKind>;
using Names = std::vector<std::string>;

Kinds kindsOf(const Findings& findings) {
    Kinds kinds;
    for (const Finding& finding : findings) kinds.push_back(finding.kind);
    return kinds;
}

constexpr auto kTooLong = FindingKind::modelNameTooLong;
constexpr auto kCharacters = FindingKind::modelNameCharacters;
constexpr auto kStart = FindingKind::modelNameStart;
constexpr auto kNoExtension = FindingKind::noTypeExtension;

TEST(WriteCheck, ModelNames) {
    struct Case {
        std::string entry;
        Kinds kinds;
    };
    const Case cases[] = {
        {"welle.prt", {}},
        {"WELLE_2-a.drw", {}},
        {std::string(31, 'a') + ".prt", {}},
        {std::string(32, 'a') + ".prt", {kTooLong}},
        {"meine welle.prt", {kCharacters}},
        {"welle(2).prt", {kCharacters}},
        {"Größe.drw", {}},
        {"a+b.prt", {kCharacters}},
        {"a\xff.prt", {kCharacters}},
        {"-welle.prt", {kStart}},
        {"welle", {kNoExtension}},
        {"welle.", {kNoExtension}},
        {"-" + std::string(31, 'a'), {kTooLong, kStart, kNoExtension}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kindsOf(checkBuild({c.entry}, {}, {})), c.kinds) << c.entry;
    }
}

TEST(WriteCheck, ParameterNamesAndValues) {
    constexpr auto kLong = FindingKind::parameterNameTooLong;
    constexpr auto kMarks = FindingKind::parameterNameCharacters;
    constexpr auto kFirst = FindingKind::parameterNameStart;
    struct Case {
        std::string name;
        Names values;
        Kinds kinds;
    };
    const Case cases[] = {
        {"MATERIAL_2", {"STAHL"}, {}},
        {std::string(31, 'P'), {std::string(80, 'v')}, {}},
        {std::string(32, 'P'), {}, {kLong}},
        {"MAT-ERIAL", {}, {kMarks}},
        {"2MATERIAL", {}, {kFirst}},
        {"_MATERIAL", {}, {kFirst}},
        {"MATERIAL", {"ok", std::string(81, 'v')}, {FindingKind::valueTooLong}},
    };
    for (const DoitFunction function :
         {DoitFunction::parameterDeletion, DoitFunction::parameterAssignment}) {
        for (const Case& c : cases) {
            const BuildInputs inputs{function, {}, c.name, c.values};
            EXPECT_EQ(kindsOf(checkBuild({"a.prt", "b.prt"}, inputs, {})), c.kinds) << c.name;
        }
    }
    const BuildInputs saveAs{DoitFunction::saveAs, {}, "2-X", {}};
    EXPECT_TRUE(checkBuild({"a.prt"}, saveAs, {}).empty()) << "save-as takes no parameter";
}

TEST(WriteCheck, ChainAgainstTheKnownMapkeys) {
    KnownMapkeys known{{{"ds", ""}, {"+", ""}}, {{"/home/config.pro", "No such file"}}, true};
    const BuildInputs chain{DoitFunction::mapkeyChain, "+;%bb;%ds;%bb;%00", {}, {}};
    const Findings found = checkBuild({"a.prt"}, chain, known);
    ASSERT_EQ(kindsOf(found), Kinds{FindingKind::mapkeyUndefined});
    EXPECT_EQ(found[0].names, (Names{"bb", "00"})) << "each name once, in the chain's order";

    known.looked = false;
    const Findings notLooked = checkBuild({"a.prt"}, chain, known);
    ASSERT_EQ(kindsOf(notLooked), Kinds{FindingKind::mapkeysNotLooked});
    EXPECT_EQ(notLooked[0].names, Names{R"("/home/config.pro": No such file)"});
}

TEST(WriteCheck, AChainWithAShellsQuotesIsAFinding) {
    // What cmd.exe leaves of '+;%bb;%00;' in a .bat file, and other quoting come through.
    const KnownMapkeys known{{{"+", ""}, {"00", ""}, {"bb", ""}}, {}, true};
    const std::pair<std::string, Kinds> cases[] = {
        {"+;%bb;%00;", {}},
        {"'+;00;'", {FindingKind::chainQuotes, FindingKind::mapkeyUndefined}},
        {"\"+;%bb\"", {FindingKind::chainQuotes, FindingKind::mapkeyUndefined}},
        {"+;%bb';", {FindingKind::chainQuotes, FindingKind::mapkeyUndefined}},
    };
    for (const auto& [chain, kinds] : cases) {
        const Findings found =
            checkBuild({"a.prt"}, {DoitFunction::mapkeyChain, chain, {}, {}}, known);
        EXPECT_EQ(kindsOf(found), kinds) << chain;
        if (!kinds.empty()) {
            EXPECT_EQ(found[0].names, Names{chain});
        }
    }
}

TEST(WriteCheck, EntriesConcernedShownAndUnmarked) {
    const std::vector<std::string> entries = {"gut.prt", "a b.prt", "c d.drw", "ohne"};
    const Findings found = checkBuild(entries, {}, {});
    ASSERT_EQ(kindsOf(found), (Kinds{kCharacters, kNoExtension}));
    EXPECT_EQ(found[0].entries, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(shownItems(found[0], entries, 1), std::vector<std::string_view>{"a b.prt"});
    EXPECT_EQ(itemCount(found[0]), 2U);

    WorkList list(unselectedEntries({"C:\\x\\a b.prt.3", "gut.prt", "a b.prt", "ohne", "c d.drw"}));
    list.setSelected(0, 4, true);
    EXPECT_EQ(rowsConcerned(list, entries, found), (std::vector<std::size_t>{0, 2, 3}))
        << "selected rows only, by the entry they confirm to";
}

}  // namespace
}  // namespace stapelwerk::workflow
