#include <gtest/gtest.h>

#include "generate/doit_builder.h"
#include "generate/mapkey_chain.h"
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

std::string chainLine(std::string_view chain) {
    const BuiltText tail = mapkeyChainTail(chain);
    EXPECT_TRUE(tail.ok()) << tail.message();
    return templateLine(tail.value(), 2);
}

// The worked example counts its lines as 15, but the lines it names are 14.
TEST(MapkeyChain, OneEntryWithTheChainDsGivesFourteenLines) {
    Lines expected{kHead};
    appendTemplateLines(expected, templates::txt_open, 1, 2);
    expected.push_back("mapkey(continued) ~ Update `file_open` `Inputname` `welle.drw`;\\");
    expected.push_back("mapkey(continued) ~ Activate `file_open` `Open`;%ds;\\");
    appendTemplateLines(expected, templates::txt_mapkeyneu, 3, 9);
    expected.push_back(kEnd);
    expected.push_back("");
    ASSERT_EQ(expected.size(), 14u);
    EXPECT_EQ(fileOf(buildOpenAndApply({"welle.drw"}, mapkeyChainTail("ds").value())),
              fileWithLines(expected));
}

TEST(MapkeyChain, IsInsertedAsItStands) {
    const struct {
        const char* chain;
        const char* line;
    } cases[] = {
        {"+;%rt;%00", "mapkey(continued) ~ Activate `file_open` `Open`;%+;%rt;%00;\\"},
        {"", "mapkey(continued) ~ Activate `file_open` `Open`;%;\\"},
        {" a b ", "mapkey(continued) ~ Activate `file_open` `Open`;% a b ;\\"},
        {"SCHWEINEREI", "mapkey(continued) ~ Activate `file_open` `Open`;%SCHWEINEREI;\\"},
        {"xSCHWEINEREIy", "mapkey(continued) ~ Activate `file_open` `Open`;%xSCHWEINEREIy;\\"},
        {"Größe", "mapkey(continued) ~ Activate `file_open` `Open`;%Größe;\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chain);
        EXPECT_EQ(chainLine(c.chain), c.line);
    }
}

// "%pdf;%cls;" is how the CAD system writes the steps of a mapkey; the step the chain goes
// into has its "%" and its ";" already.
TEST(MapkeyChain, TheCadSystemsFormIsNotDoubled) {
    const struct {
        const char* chain;
        const char* steps;
    } cases[] = {
        {"%pdf;%cls;", "%pdf;%cls;"},
        {"pdf;%cls", "%pdf;%cls;"},
        {"%pdf;%cls", "%pdf;%cls;"},
        {"pdf;%cls;", "%pdf;%cls;"},
        {"+;%bb;%00;", "%+;%bb;%00;"},
        {"pdf;;%cls", "%pdf;;%cls;"},  // an empty step is Enter
        {"pdf;;", "%pdf;;"},
        {"%%pdf", "%%pdf;"},
        {"%", "%;"},
        {";", "%;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chain);
        EXPECT_EQ(chainLine(c.chain),
                  std::string("mapkey(continued) ~ Activate `file_open` `Open`;") + c.steps + "\\");
    }
}

TEST(MapkeyChain, NamesTheMapkeysItCallsAndTheStepsItTypes) {
    using Names = std::vector<std::string>;
    const struct {
        const char* chain;
        Names called;
        Names typed;
    } cases[] = {
        {"%pdf;%cls;", {"pdf", "cls"}, {}},
        {"pdf;cls", {"pdf"}, {"cls"}},
        {"pdf;;%cls;#Datei;@SYSTEMdir", {"pdf", "cls"}, {}},
        {"ds;~ Command x;%xx;ds", {"ds", "xx"}, {"~ Command x", "ds"}},
        {"", {""}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mapkeyNamesOfChain(c.chain), c.called) << c.chain;
        EXPECT_EQ(typedStepsOfChain(c.chain), c.typed) << c.chain;
    }
}

TEST(MapkeyChain, RefusesAChainThatWouldBreakTheFile) {
    for (const std::string chain : {"ds`", "ds\r%00", "ds\n", "Ωmega"}) {
        SCOPED_TRACE(chain);
        const BuiltText tail = mapkeyChainTail(chain);
        EXPECT_FALSE(tail.ok());
        EXPECT_EQ(tail.message().find("Die Mapkey-Kette \"" + chain + "\""), 0u) << tail.message();
    }
}

}  // namespace
}  // namespace stapelwerk
