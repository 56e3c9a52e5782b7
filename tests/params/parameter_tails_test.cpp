#include <gtest/gtest.h>

#include "generate/doit_builder.h"
#include "generate/templates.h"
#include "params/assignment_check.h"
#include "params/parameter_tails.h"
#include "platform/utf8.h"
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

// The typed name as the deletion builds it.
BuiltText deletionFor(const std::vector<std::string>& entries, std::string_view typed) {
    const BuiltText tail = deletionTail(utf8::toUpper(typed));
    EXPECT_TRUE(tail.ok()) << tail.refusal;
    return buildCreate(entries, tail.text);
}

BuiltText assignmentFor(const std::vector<std::string>& entries, std::string_view name,
                        const std::vector<std::string>& values) {
    const BuiltText tail = assignmentTail(name);
    EXPECT_TRUE(tail.ok()) << tail.refusal;
    return buildCreate3(entries, tail.text, values);
}

// The placeholder line of the assignment block of entry `block` (counted from 0).
std::string assignmentLine(const BuiltText& built, int block) {
    return templateLine(built.text, 10 + 17 * block);
}

TEST(ParameterDeletion, OneEntryWithTheNameLaengeGivesNineteenLines) {
    Lines expected{kHead};
    appendTemplateLines(expected, templates::txt_open, 1, 2);
    expected.push_back("mapkey(continued) ~ Update `file_open` `Inputname` `welle.prt`;\\");
    appendTemplateLines(expected, templates::txt_ploesch, 2, 4);
    expected.push_back(
        "mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_params`;#DELETE;#LAENGE;"
        "#DONE;\\");
    appendTemplateLines(expected, templates::txt_ploesch, 6, 14);
    expected.push_back(kEnd);
    expected.push_back("");
    ASSERT_EQ(expected.size(), 19u);
    EXPECT_EQ(fileOf(deletionFor({"welle.prt"}, "laenge")), fileWithLines(expected));
}

TEST(ParameterDeletion, EveryFurtherEntryAddsSixteenLines) {
    const std::string one = fileOf(deletionFor({"a.prt"}, "x"));
    const std::string three = fileOf(deletionFor({"a.prt", "b.prt", "c.prt"}, "x"));
    const auto lines = [](const std::string& text) {
        return std::count(text.begin(), text.end(), '\n');
    };
    EXPECT_EQ(lines(three), lines(one) + 2 * 16);
    EXPECT_EQ(three.find("new_parameter_ui"), std::string::npos);
}

TEST(ParameterDeletion, NameTakesOnlyThePlaceholder) {
    const struct {
        const char* typed;
        const char* line;
    } cases[] = {
        {"",
         "mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_params`;#DELETE;#;#DONE;\\"},
        {"delete",
         "mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_params`;#DELETE;#DELETE;"
         "#DONE;\\"},
        {"ok",
         "mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_params`;#DELETE;#OK;#DONE;\\"},
        {"plöesch",
         "mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_params`;#DELETE;#PLÖESCH;"
         "#DONE;\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const BuiltText tail = deletionTail(utf8::toUpper(c.typed));
        ASSERT_TRUE(tail.ok());
        Lines expected;
        appendTemplateLines(expected, templates::txt_ploesch, 1, 4);
        expected.push_back(c.line);
        appendTemplateLines(expected, templates::txt_ploesch, 6, 14);
        EXPECT_EQ(tail.text, fileWithLines(expected));
    }
}

TEST(ParameterAssignment, NameFillsTheFirstPlaceholderAndTheValueTheSecond) {
    const struct {
        const char* name;
        std::vector<std::string> values;
        const char* first;
        const char* second;
    } cases[] = {
        {"MATERIAL", {"STAHL", "ALU"}, "MATERIAL;STAHL;", "MATERIAL;ALU;"},
        {"m", {"", "x"}, "m;;", "m;x;"},  // an empty value: two adjacent semicolons
        {"", {"1", "2"}, ";1;", ";2;"},
        // A name that is the placeholder itself leaves both for the value.
        {"PARAMETERNAME", {"v", "w"}, "v;v;", "w;w;"},
        // Words found elsewhere in the template change nothing but the placeholders.
        {"OK", {"File", "1"}, "OK;File;", "OK;1;"},
        {"Größe", {"Ölstand ", " DONE"}, "Größe;Ölstand ;", "Größe; DONE;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BuiltText built = assignmentFor({"a.prt", "b.prt"}, c.name, c.values);
        ASSERT_TRUE(built.ok()) << built.refusal;
        EXPECT_EQ(assignmentLine(built, 0),
                  std::string("mapkey(continued) ") + c.first + "#DONE/RETURN;#DONE/RETURN;\\");
        EXPECT_EQ(assignmentLine(built, 1),
                  std::string("mapkey(continued) ") + c.second + "#DONE/RETURN;#DONE/RETURN;\\");
        // Only that line differs from a block of the plain template.
        const BuiltText plain = buildCreate3({"a.prt", "b.prt"}, templates::txt_ParamNeu, {});
        Lines builtLines, plainLines;
        for (int n = 1; n <= 37; ++n) {
            if (n == 10 || n == 27) continue;
            builtLines.push_back(templateLine(built.text, n));
            plainLines.push_back(templateLine(plain.text, n));
        }
        EXPECT_EQ(builtLines, plainLines);
    }
}

TEST(ParameterAssignment, TwoRunsDifferOnlyInNameAndValues) {
    const BuiltText first = assignmentFor({"welle.prt"}, "MATERIAL", {"STAHL"});
    const BuiltText second = assignmentFor({"welle.prt"}, "FARBE", {"ROT"});
    std::string back = second.text;
    back.replace(back.find("FARBE;ROT;"), 10, "MATERIAL;STAHL;");
    EXPECT_EQ(back, first.text);
    EXPECT_EQ(first.text, assignmentFor({"welle.prt"}, "MATERIAL", {"STAHL"}).text);
}

TEST(ParameterAssignment, ValuesPastTheLastEntryAreNotUsed) {
    const BuiltText built = assignmentFor({"a.prt"}, "N", {"1", "2`"});
    ASSERT_TRUE(built.ok()) << "an unused value is not refused";
    EXPECT_EQ(built.text.find("2`"), std::string::npos);
}

TEST(ParameterTails, RefuseANameOrValueThatWouldBreakTheFile) {
    for (const std::string bad : {"a`b", "a\rb", "a\nb", "Ωmega"}) {
        SCOPED_TRACE(bad);
        for (const BuiltText& tail : {deletionTail(bad), assignmentTail(bad)}) {
            EXPECT_FALSE(tail.ok());
            EXPECT_TRUE(tail.text.empty());
            EXPECT_EQ(tail.refusal.find("Der Parametername \"" + bad + "\""), 0u) << tail.refusal;
        }
        const BuiltText built =
            buildCreate3({"a.prt", "b.prt"}, assignmentTail("N").text, {"ok", bad});
        EXPECT_FALSE(built.ok());
        EXPECT_TRUE(built.text.empty());
        EXPECT_EQ(built.refusal.find("Der Parameterwert \"" + bad + "\""), 0u) << built.refusal;
    }
}

TEST(AssignmentCheck, CountsMustAgree) {
    const struct {
        std::size_t parts;
        std::size_t values;
        const char* message;
        bool showMenu;
    } cases[] = {
        {0, 0, "", false},
        {2, 2, "", false},
        {3, 0, "Den Teilen wurden keine Paramterwerte zugewiesen !", true},
        {3, 2, "Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !", false},
        {1, 2, "Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !", false},
        {0, 1, "Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.parts) + " parts, " + std::to_string(c.values) + " values");
        const AssignmentCheck check = checkAssignment(c.parts, c.values);
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.ok(), std::string_view(c.message).empty());
        EXPECT_EQ(check.showValueMenu, c.showMenu);
    }
}

}  // namespace
}  // namespace stapelwerk
