#include <gtest/gtest.h>

#include <algorithm>

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
constexpr auto kUnknownType = FindingKind::unknownModelType;
constexpr auto kNotAscii = FindingKind::modelNameNotAscii;
constexpr auto kCut = FindingKind::saveAsNameCut;

// A function that opens every entry's file, with a chain that finds nothing itself.
const BuildInputs kOpening{DoitFunction::mapkeyChain, "ds", {}, {}};
const KnownMapkeys kDefinesDs{{{"ds", ""}}, {}, true};

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
        {"Größe.drw", {kNotAscii}},
        {"a+b.prt", {kCharacters}},
        {"a\xff.prt", {kCharacters}},
        {"a°.prt", {kCharacters}},
        {"-welle.prt", {kStart}},
        {"welle", {kNoExtension}},
        {"welle.", {kNoExtension}},
        {"-" + std::string(31, 'a'), {kTooLong, kStart, kNoExtension}},
        {"deckel.ASM", {}},
        {"rahmen.Frm", {}},
        {"s.sec", {}},
        {"l.lay", {}},
        {"m.mfg", {}},
        {"m.mrk", {}},
        {"d.dgm", {}},
        {"gehaeuse.step", {kUnknownType}},
        {"welle.pr", {kUnknownType}},
        {"welle.prt.12", {kUnknownType}},  // confirming leaves the version out
        {"200000_mutter.drw;1;Freigegeben;Müller", {kUnknownType}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kindsOf(checkBuild({c.entry}, kOpening, kDefinesDs)), c.kinds) << c.entry;
    }
}

// Save-as opens nothing: the entry's type is cut off with its last four characters.
TEST(WriteCheck, SaveAsNamesWhatItWouldSave) {
    struct Case {
        std::string entry;
        Kinds kinds;
        std::string says;
    };
    const Case cases[] = {
        {"welle.drw", {}, ""},
        {"welle.PRT", {}, ""},
        {"welle.step", {kCut}, R"("welle.step" wird als "welle." gespeichert)"},
        {"welle.xyz", {kCut}, R"("welle.xyz" wird als "welle" gespeichert)"},
        {"flansch", {kNoExtension, kCut}, R"("flansch" wird als "fla" gespeichert)"},
        {"Größe.prt", {kNotAscii}, ""},
        {"Größe.ßtep", {kNotAscii, kCut}, R"("Größe.ßtep" wird als "Größe." gespeichert)"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> entries = {c.entry};
        const Findings found = checkBuild(entries, {}, {});
        EXPECT_EQ(kindsOf(found), c.kinds) << c.entry;
        if (!c.says.empty()) {
            EXPECT_NE(describedFinding(found.back(), entries).find("\n  " + c.says),
                      std::string::npos)
                << describedFinding(found.back(), entries);
        }
    }
}

TEST(WriteCheck, TwoEntriesUnderOneNameRegardlessOfCase) {
    using Positions = std::vector<std::size_t>;
    struct Case {
        BuildInputs inputs;
        std::vector<std::string> entries;
        Positions repeats;
        Positions earlier;
    };
    const Case cases[] = {
        {{}, {"welle.PRT", "welle.prt"}, {1}, {0}},
        {{}, {"welle.drw", "lager.prt", "Welle.prt", "WELLE.asm"}, {2, 3}, {0, 0}},
        {{}, {"welle.drw", "wellen.drw"}, {}, {}},
        {kOpening,
         {"welle.prt", "welle.drw", "WELLE.PRT", "Ärger.prt", "ärger.PRT"},
         {2, 4},
         {0, 3}},
        {kOpening, {"welle.prt", "welle.drw"}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entries.back());
        const FindingKind twice = c.inputs.function == DoitFunction::saveAs
                                      ? FindingKind::savedTwice
                                      : FindingKind::openedTwice;
        const Findings found = checkBuild(c.entries, c.inputs, kDefinesDs);
        const auto finding = std::ranges::find(found, twice, &Finding::kind);
        if (c.repeats.empty()) {
            EXPECT_EQ(finding, found.end());
            continue;
        }
        ASSERT_NE(finding, found.end());
        EXPECT_EQ(finding->entries, c.repeats);
        EXPECT_EQ(finding->earlierEntries, c.earlier);
    }
    const std::vector<std::string> entries = {"welle.PRT", "welle.prt"};
    EXPECT_NE(describedFinding(checkBuild(entries, {}, {}).front(), entries)
                  .find(R"(  "welle.prt" wie "welle.PRT")"),
              std::string::npos);
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

TEST(WriteCheck, ChainStepsThatAreTypedAsKeyboardInput) {
    const KnownMapkeys known{{{"pdf", ""}, {"cls", ""}}, {}, true};
    const struct {
        std::string chain;
        Kinds kinds;
        Names names;
    } cases[] = {
        {"%pdf;%cls;", {}, {}},
        {"pdf;%cls", {}, {}},
        {"pdf;;%cls;#Datei;@SYSTEMdir", {}, {}},
        {"pdf;cls;%cls;cls", {FindingKind::chainStepTyped}, {"cls"}},
        {"%pdf;cls;", {FindingKind::chainStepTyped}, {"cls"}},
    };
    for (const auto& c : cases) {
        const Findings found = checkBuild({"a.prt"}, {DoitFunction::mapkeyChain, c.chain}, known);
        EXPECT_EQ(kindsOf(found), c.kinds) << c.chain;
        if (!found.empty()) {
            EXPECT_EQ(found.back().names, c.names) << c.chain;
        }
    }
    const KnownMapkeys notLooked{{}, {{"/home/config.pro", "No such file"}}, false};
    EXPECT_EQ(kindsOf(checkBuild({"a.prt"}, {DoitFunction::mapkeyChain, "pdf;cls"}, notLooked)),
              (Kinds{FindingKind::mapkeysNotLooked, FindingKind::chainStepTyped}))
        << "typed whether or not a config.pro was read";
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

// The deletion's menu picks need new_parameter_ui no, which doit.pro does not set: the last
// config.pro read at start that sets it must say no.
TEST(WriteCheck, TheDeletionNeedsTheOptionFromTheConfigProFilesReadAtStart) {
    constexpr auto kNotSet = FindingKind::optionNotSet;
    constexpr auto kNotLooked = FindingKind::optionNotLooked;
    const OptionInFile homeNo{"/home/config.pro", "no"};
    const OptionInFile homeUnset{"/home/config.pro", std::nullopt};
    const OptionInFile startYes{"/start/config.pro", "yes"};
    const OptionInFile startNo{"/start/config.pro", "NO"};
    const UnreadConfig homeMissing{"/home/config.pro", "nicht gefunden"};
    const UnreadConfig startPipe{"/start/config.pro", "Pipe"};
    const struct {
        const char* name;
        OptionSettings settings;
        Kinds kinds;
        Names names;
    } cases[] = {
        {"set in the start directory", {{homeUnset, startNo}, {}}, {}, {}},
        {"set at home, untouched later", {{homeNo, {"/start/config.pro", {}}}, {}}, {}, {}},
        {"set at home only", {{homeNo}, {startPipe}}, {}, {}},
        {"read nowhere set",
         {{homeUnset}, {startPipe}},
         {kNotSet},
         {R"("/home/config.pro": setzt new_parameter_ui nicht)"}},
        {"overridden by the start directory",
         {{homeNo, startYes}, {}},
         {kNotSet},
         {R"("/home/config.pro": new_parameter_ui no)",
          R"("/start/config.pro": new_parameter_ui yes)"}},
        {"nothing to read",
         {{}, {homeMissing, startPipe}},
         {kNotLooked},
         {R"("/home/config.pro": nicht gefunden)", R"("/start/config.pro": Pipe)"}},
    };
    const BuildInputs deletion{DoitFunction::parameterDeletion, {}, "MATERIAL", {}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Findings found = checkBuild({"a.prt"}, deletion, {}, c.settings);
        EXPECT_EQ(kindsOf(found), c.kinds);
        EXPECT_EQ(found.empty() ? Names{} : found[0].names, c.names);
        for (const DoitFunction other : {DoitFunction::parameterAssignment, DoitFunction::saveAs}) {
            const BuildInputs inputs{other, {}, "MATERIAL", {"STAHL"}};
            EXPECT_TRUE(checkBuild({"a.prt"}, inputs, {}, c.settings).empty())
                << "only the deletion needs it";
        }
    }
}

TEST(WriteCheck, AChainWithAShellsQuotesIsAFinding) {
    // What cmd.exe leaves of '+;%bb;%00;' in a .bat file, and other quoting come through.
    const KnownMapkeys known{{{"+", ""}, {"00", ""}, {"bb", ""}}, {}, true};
    const std::pair<std::string, Kinds> cases[] = {
        {"+;%bb;%00;", {}},
        {"'+;00;'",
         {FindingKind::chainQuotes, FindingKind::mapkeyUndefined, FindingKind::chainStepTyped}},
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
    const Findings found = checkBuild(entries, kOpening, kDefinesDs);
    ASSERT_EQ(kindsOf(found), (Kinds{kCharacters, kNoExtension}));
    EXPECT_EQ(found[0].entries, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(shownItems(found[0], entries, 1), std::vector<std::string_view>{"a b.prt"});
    EXPECT_EQ(itemCount(found[0]), 2U);

    WorkList list(unselectedEntries({"C:\\x\\a b.prt.3", "gut.prt", "a b.prt", "ohne", "c d.drw"}));
    list.setSelected(0, 4, true);
    EXPECT_EQ(rowsConcerned(list, entries, found), (std::vector<std::size_t>{0, 2, 3}))
        << "selected rows only, by the entry they confirm to";

    const std::vector<std::string> twice = {"welle.prt", "zeichnung.pdf", "WELLE.prt"};
    WorkList opened(unselectedEntries({"welle.prt", "zeichnung.pdf", "WELLE.prt"}));
    opened.setSelected(0, 3, true);
    EXPECT_EQ(rowsConcerned(opened, twice, checkBuild(twice, kOpening, kDefinesDs)),
              (std::vector<std::size_t>{1, 2}))
        << "the unknown type and the later of two entries that open one file";
}

}  // namespace
}  // namespace stapelwerk::workflow
