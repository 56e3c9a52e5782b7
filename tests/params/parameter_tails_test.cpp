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

// Every line of a text but line `number`.
std::string withoutLine(std::string_view text, int number) {
    std::string rest(text);
    const std::string line = templateLine(text, number) + "\r\n";
    std::size_t start = 0;
    for (int n = 1; n < number; ++n) start = rest.find("\r\n", start) + 2;
    return rest.erase(start, line.size());
}

BuiltText assignmentFor(const std::vector<std::string>& entries, std::string_view name,
                        const std::vector<std::string>& values) {
    const BuiltText tail = assignmentTail(name);
    EXPECT_TRUE(tail.ok()) << tail.message();
    return buildParameterAssignment(entries, tail.value(), values);
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
    const BuiltText tail = deletionTail(utf8::toUpper("laenge"));
    EXPECT_EQ(fileOf(buildOpenAndApply({"welle.prt"}, tail.value())), fileWithLines(expected));
}

TEST(ParameterDeletion, NameTakesOnlyThePlaceholder) {
    const struct {
        const char* name;
        const char* picks;
    } cases[] = {
        {"LÄNGE", "#DELETE;#LÄNGE;#DONE;"},
        {"DELETE", "#DELETE;#DELETE;#DONE;"},
        {"OK", "#DELETE;#OK;#DONE;"},
        {"PLOESCH", "#DELETE;#PLOESCH;#DONE;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BuiltText tail = deletionTail(c.name);
        ASSERT_TRUE(tail.ok());
        EXPECT_EQ(
            templateLine(tail.value(), 5),
            std::string("mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_params`;") +
                c.picks + "\\");
        EXPECT_EQ(withoutLine(tail.value(), 5), withoutLine(templates::txt_ploesch, 5));
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
        {"Ä", {"1", "2"}, "Ä;1;", "Ä;2;"},
        // A name that is the placeholder itself leaves both for the value.
        {"PARAMETERNAME", {"v", "w"}, "v;v;", "w;w;"},
        // A value that holds the placeholder is put in once, not filled into itself.
        {"M", {"xPARAMETERNAME", "PARAMETERNAME"}, "M;xPARAMETERNAME;", "M;PARAMETERNAME;"},
        // Four placeholders a block are filled, the fifth stays.
        {"PARAMETERNAMEPARAMETERNAMEPARAMETERNAMEPARAMETERNAME",
         {"v", "w"},
         "vvvv;PARAMETERNAME;",
         "wwww;PARAMETERNAME;"},
        // Words found elsewhere in the template change nothing but the placeholders.
        {"OK", {"File", "1"}, "OK;File;", "OK;1;"},
        {"Größe", {"Ölstand ", " DONE"}, "Größe;Ölstand ;", "Größe; DONE;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BuiltText built = assignmentFor({"a.prt", "b.prt"}, c.name, c.values);
        ASSERT_TRUE(built.ok()) << built.message();
        // Lines 10 and 27 are the placeholder lines of the two blocks.
        const auto line = [](const char* filled) {
            return std::string("mapkey(continued) ") + filled + "#DONE/RETURN;#DONE/RETURN;\\";
        };
        EXPECT_EQ(templateLine(built.value(), 10), line(c.first));
        EXPECT_EQ(templateLine(built.value(), 27), line(c.second));
        const BuiltText plain =
            buildParameterAssignment({"a.prt", "b.prt"}, templates::txt_ParamNeu, {});
        EXPECT_EQ(withoutLine(withoutLine(built.value(), 27), 10),
                  withoutLine(withoutLine(plain.value(), 27), 10));
    }
}

TEST(ParameterAssignment, TwoRunsDifferOnlyInNameAndValues) {
    const BuiltText first = assignmentFor({"welle.prt"}, "MATERIAL", {"STAHL"});
    const BuiltText second = assignmentFor({"welle.prt"}, "FARBE", {"ROT"});
    std::string back = second.value();
    back.replace(back.find("FARBE;ROT;"), 10, "MATERIAL;STAHL;");
    EXPECT_EQ(back, first.value());
    EXPECT_EQ(first.value(), assignmentFor({"welle.prt"}, "MATERIAL", {"STAHL"}).value());
}

TEST(ParameterTails, RefuseANameOrValueThatWouldBreakTheFile) {
    // A ';' ends a step of the mapkey: "A;B" would run "B" as a command of its own.
    for (const std::string bad : {"a`b", "a\rb", "a\nb", "Ωmega", "A;B", ";"}) {
        SCOPED_TRACE(bad);
        for (const BuiltText& tail : {deletionTail(bad), assignmentTail(bad)}) {
            EXPECT_FALSE(tail.ok());
            EXPECT_EQ(tail.message().find("Der Parametername \"" + bad + "\""), 0u)
                << tail.message();
        }
        const BuiltText built =
            buildParameterAssignment({"a.prt", "b.prt"}, assignmentTail("N").value(), {"ok", bad});
        EXPECT_FALSE(built.ok());
        EXPECT_EQ(built.message().find("Der Parameterwert \"" + bad + "\""), 0u) << built.message();
        EXPECT_TRUE(
            buildParameterAssignment({"a.prt"}, assignmentTail("N").value(), {"ok", bad}).ok())
            << "a value past the last entry is not used, so not refused";
    }
}

TEST(ParameterTails, RefuseAnEmptyName) {
    for (const BuiltText& tail : {deletionTail(""), assignmentTail("")}) {
        EXPECT_FALSE(tail.ok());
        EXPECT_NE(tail.message().find("Der Parametername ist leer"), std::string::npos);
    }
}

TEST(AssignmentCounts, CountsMustAgree) {
    const std::string_view none = "Den Teilen wurden keine Paramterwerte zugewiesen !";
    const std::string_view differ =
        "Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !";
    const struct {
        std::size_t parts;
        std::size_t values;
        std::string_view message;
        bool showMenu;
    } cases[] = {
        {0, 0, "", false},     {2, 2, "", false},     {3, 0, none, true},
        {3, 2, differ, false}, {1, 2, differ, false}, {0, 1, differ, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.parts) + " parts, " + std::to_string(c.values) + " values");
        const Result<> check = checkAssignment(c.parts, c.values);
        EXPECT_EQ(check.message(), c.message);
        EXPECT_EQ(check.ok(), c.message.empty());
        EXPECT_EQ(lacksEveryValue(c.parts, c.values), c.showMenu);
    }
}

}  // namespace
}  // namespace stapelwerk
