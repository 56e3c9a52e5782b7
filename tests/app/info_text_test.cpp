#include <gtest/gtest.h>

#include <algorithm>

#include "core/texts.h"

namespace stapelwerk {
namespace {

// Line numbers as a reader counts them, from 1.
const std::string& line(const std::vector<std::string>& lines, std::size_t number) {
    return lines.at(number - 1);
}

TEST(InfoText, KeepsTheBlanksAtTheLineEndsAndTheEmptyLines) {
    const std::vector<std::string> lines = texts::infoTextLines();
    for (const std::size_t number : {1u, 6u, 11u, 15u, 20u, 21u, 25u}) {
        EXPECT_EQ(line(lines, number).back(), ' ') << "line " << number;
    }
    for (const std::size_t number : {10u, 13u, 28u}) {
        EXPECT_EQ(line(lines, number), "") << "line " << number;
    }
    EXPECT_EQ(line(lines, 16), "zu;\\");
    EXPECT_EQ(line(lines, 21), "`preferences` ");
    EXPECT_EQ(line(lines, 27), "mapkey(continued) ~ Activate `preferences` `Close`;%doit;");
}

TEST(InfoText, StepFiveComesBeforeStepFour) {
    const std::vector<std::string> lines = texts::infoTextLines();
    EXPECT_EQ(line(lines, 8), "5.) Starten von Pro/ENGINEER");
    EXPECT_EQ(line(lines, 9), "4.) führen Sie den Mapkey auto in Pro/ENGINEER aus.");
}

TEST(InfoText, TheFurtherFunctionsAndThenTheTermsOfUseFollowTheUsage) {
    const std::vector<std::string> lines = texts::infoTextLines();
    ASSERT_GT(lines.size(), 28u);
    EXPECT_EQ(line(lines, 29), "***** Weitere Funktionen *****");
    const auto heading = std::find(lines.begin(), lines.end(), "***** Nutzungsbedingungen *****");
    ASSERT_NE(heading, lines.end());
    std::string further;
    for (auto i = lines.begin() + 29; i != heading; ++i) further += *i;
    for (const char* function : {"Vorschau", "Ziehen und Ablegen", "NAME;WERT", "config.pro.bak",
                                 "Umschalt+F10", "stapelwerk-batch", "doit.journal"}) {
        EXPECT_NE(further.find(function), std::string::npos) << function;
    }
    std::string terms;
    for (auto i = heading; i != lines.end(); ++i) terms += *i + "\r\n";
    EXPECT_GT(terms.size(), 1400u);
    EXPECT_LT(terms.size(), 1900u);
    for (const char* point : {"Freeware", "unveränderte Kopien", "unentgeltlich", "Verkauf",
                              "keine Gewähr", "haftet nicht"}) {
        EXPECT_NE(terms.find(point), std::string::npos) << point;
    }
}

}  // namespace
}  // namespace stapelwerk
