#include <gtest/gtest.h>

#include "core/texts.h"
#include "generate/doit_builder.h"
#include "generate/replace_first.h"
#include "generate/templates.h"
#include "support/template_lines.h"

namespace stapelwerk {
namespace {

using testing::appendTemplateLines;
using testing::fileOf;
using testing::fileWithLines;
using testing::kEnd;
using testing::kHead;
using testing::Lines;
using testing::templateLine;

TEST(SaveAs, TwoEntriesGiveSeventeenLines) {
    Lines expected{kHead};
    for (const char* name : {"welle", "flansch"}) {
        appendTemplateLines(expected, templates::txt_SaveAs, 1, 3);
        expected.push_back("mapkey(continued) ~ Update `file_saveas` `Inputname` `" +
                           std::string(name) + "`;\\");
        appendTemplateLines(expected, templates::txt_SaveAs, 5, 7);
    }
    expected.push_back(kEnd);
    expected.push_back("");
    ASSERT_EQ(expected.size(), 17u);
    EXPECT_EQ(fileOf(buildSaveAs({"welle.drw", "flansch.drw"})), fileWithLines(expected));
}

TEST(SaveAs, NameIsTheEntryLessItsLastFourCharacters) {
    const auto nameLine = [](const std::string& entry) {
        const BuiltText built = buildSaveAs({entry});
        EXPECT_TRUE(built.ok()) << built.message();
        return templateLine(built.value(), 5);
    };
    EXPECT_EQ(nameLine("flansch"), "mapkey(continued) ~ Update `file_saveas` `Inputname` `fla`;\\");
    EXPECT_EQ(nameLine("Größe.drw"),
              "mapkey(continued) ~ Update `file_saveas` `Inputname` `Größe`;\\");
    EXPECT_EQ(nameLine("Büros"), "mapkey(continued) ~ Update `file_saveas` `Inputname` `B`;\\");
    // An inserted name is not searched for the placeholder again.
    EXPECT_EQ(nameLine("9999999-99_999.drw"),
              "mapkey(continued) ~ Update `file_saveas` `Inputname` `9999999-99_999`;\\");
}

TEST(SaveAs, RefusesEntriesWithoutAName) {
    for (const char* entry : {"", "a", "abcd", "Büro", "prt."}) {
        SCOPED_TRACE(entry);
        const BuiltText built = buildSaveAs({"welle.drw", entry});
        EXPECT_FALSE(built.ok());
        EXPECT_NE(built.message().find(std::string("\"").append(entry).append("\"")),
                  std::string::npos);
    }
}

TEST(Create, EveryEntryFollowsTheBacktickOfItsOpenBlock) {
    const BuiltText built = buildOpenAndApply({"a.prt", "b.prt", "c.prt"}, "`;\\\r\n");
    ASSERT_TRUE(built.ok());
    for (const char* entry : {"a.prt", "b.prt", "c.prt"}) {
        EXPECT_NE(built.value().find("`Inputname` `" + std::string(entry) + "`;\\\r\n"),
                  std::string::npos);
    }
    EXPECT_EQ(built.value().size(),
              templates::txt_kopf.size() + 3 * (214 + 5 + 5) + templates::txt_end.size());
}

TEST(AllKinds, EmptySelectionGivesHeadAndEndOnly) {
    const std::string bare = fileWithLines({kHead, kEnd, ""});
    EXPECT_EQ(fileOf(buildSaveAs({})), bare);
    EXPECT_EQ(fileOf(buildOpenAndApply({}, templates::txt_mapkeyneu)), bare);
    EXPECT_EQ(fileOf(buildParameterAssignment({}, templates::txt_ParamNeu, {})),
              "new_parameter_ui no\r\n" + bare);
}

TEST(AllKinds, SameInputGivesTheSameText) {
    const std::vector<std::string> entries{"welle.drw", "flansch.drw"};
    EXPECT_EQ(buildSaveAs(entries).value(), buildSaveAs(entries).value());
    EXPECT_EQ(buildOpenAndApply(entries, templates::txt_ploesch).value(),
              buildOpenAndApply(entries, templates::txt_ploesch).value());
}

TEST(AllKinds, RefuseEntriesThatWouldBreakTheFile) {
    const std::string tail(templates::txt_mapkeyneu);
    for (const std::string entry : {"we`lle.prt", "welle\r.prt", "welle\n.prt", "Ωmega.prt"}) {
        SCOPED_TRACE(entry);
        const BuiltText saveAs = buildSaveAs({"ok.prt", entry});
        const BuiltText create = buildOpenAndApply({"ok.prt", entry}, tail);
        const BuiltText create3 = buildParameterAssignment({entry}, templates::txt_ParamNeu, {"v"});
        for (const BuiltText* built : {&saveAs, &create, &create3}) {
            EXPECT_FALSE(built->ok());
            EXPECT_NE(built->message().find(entry), std::string::npos);
        }
    }
    EXPECT_TRUE(buildOpenAndApply({"Müller Größe.prt"}, tail).ok()) << "Windows-1252 holds umlauts";
}

// A NUL pasted with the clipboard went into doit.pro, which then was no text file.
TEST(AllKinds, RefuseTextsWithAControlCharacter) {
    const std::string nul("welle\0.prt", 10);
    for (const std::string& text :
         {nul, std::string("we\x1Blle.prt"), std::string("\xC2\x81.prt")}) {
        SCOPED_TRACE(::testing::PrintToString(text));
        EXPECT_FALSE(buildSaveAs({"ok.prt", text}).ok());
        EXPECT_FALSE(buildOpenAndApply({text}, templates::txt_ploesch).ok());
        EXPECT_FALSE(buildParameterAssignment({"ok.prt"}, templates::txt_ParamNeu, {text}).ok());
        EXPECT_NE(checkEntry(text).message().find(text), std::string::npos);
        EXPECT_NE(checkText(texts::kSubjectMapkeyChain, text).message(), "");
    }
}

// A TAB is another column of the list a text came from, and a ';' in a file name or a value
// ends its step: neither reaches doit.pro, and the refusal says which text and why.
TEST(AllKinds, RefuseATabInAnyTextAndASemicolonInAStep) {
    const std::string tail(templates::txt_mapkeyneu);
    for (const std::string entry : {"welle.prt\tWelle 20", "200000_mutter.drw;1"}) {
        SCOPED_TRACE(entry);
        const std::string reason =
            entry.find('\t') != std::string::npos ? "Tabulator" : "Semikolon";
        for (const BuiltText& built :
             {buildSaveAs({"ok.prt", entry}), buildOpenAndApply({"ok.prt", entry}, tail),
              buildParameterAssignment({"ok.prt", entry}, templates::txt_ParamNeu, {"v", "w"})}) {
            ASSERT_FALSE(built.ok());
            EXPECT_NE(built.message().find("\"" + entry + "\""), std::string::npos);
            EXPECT_NE(built.message().find(reason), std::string::npos) << built.message();
        }
    }
    const BuiltText value =
        buildParameterAssignment({"welle.prt"}, templates::txt_ParamNeu, {"STAHL\tgeprüft"});
    ASSERT_FALSE(value.ok());
    EXPECT_EQ(value.message(), texts::messageTab(texts::kSubjectParameterValue, "STAHL\tgeprüft"));
    EXPECT_EQ(checkText(texts::kSubjectMapkeyChain, "%pdf;\t%cls").message(),
              texts::messageTab(texts::kSubjectMapkeyChain, "%pdf;\t%cls"));
    EXPECT_TRUE(checkText(texts::kSubjectMapkeyChain, "%pdf;%cls").ok()) << "a chain has steps";
    EXPECT_FALSE(checkStepText(texts::kSubjectParameterName, "MAT\t").ok());
}

TEST(Create3, OneEntryWithMaterialStahlGivesTwentyOneLines) {
    const std::string tail = replaceFirst(templates::txt_ParamNeu, "PARAMETERNAME", "MATERIAL");
    Lines expected{"new_parameter_ui no", kHead};
    appendTemplateLines(expected, templates::txt_open, 1, 2);
    expected.push_back("mapkey(continued) ~ Update `file_open` `Inputname` `welle.prt`;\\");
    appendTemplateLines(expected, templates::txt_ParamNeu, 2, 5);
    expected.push_back("mapkey(continued) MATERIAL;STAHL;#DONE/RETURN;#DONE/RETURN;\\");
    appendTemplateLines(expected, templates::txt_ParamNeu, 7, 15);
    expected.push_back(kEnd);
    expected.push_back("");
    ASSERT_EQ(expected.size(), 21u);
    EXPECT_EQ(fileOf(buildParameterAssignment({"welle.prt"}, tail, {"STAHL"})),
              fileWithLines(expected));
}

TEST(Create3, EntriesWithoutAValueGetTheEmptyValue) {
    const std::string tail = replaceFirst(templates::txt_ParamNeu, "PARAMETERNAME", "M");
    const BuiltText built = buildParameterAssignment({"a.prt", "b.prt"}, tail, {"1"});
    ASSERT_TRUE(built.ok());
    EXPECT_NE(built.value().find("mapkey(continued) M;1;#DONE"), std::string::npos);
    EXPECT_NE(built.value().find("mapkey(continued) M;;#DONE"), std::string::npos);
}

}  // namespace
}  // namespace stapelwerk
