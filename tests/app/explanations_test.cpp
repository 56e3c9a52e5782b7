#include <gtest/gtest.h>

#include <set>

#include "app/explanations.h"

namespace stapelwerk {
namespace {

TEST(Explanations, EveryExplainedControlHasItsOwnText) {
    std::set<std::string> seen;
    for (const std::string_view control : explainedControls()) {
        const std::optional<std::string> text = explanationFor(control, "/tmp/");
        ASSERT_TRUE(text.has_value()) << control;
        EXPECT_FALSE(text->empty()) << control;
        EXPECT_TRUE(seen.insert(*text).second) << control << " repeats another control's text";
    }
    EXPECT_EQ(seen.size(), 13u);
}

TEST(Explanations, BareBackgroundEmptiesAndOtherControlsLeaveTheTextStanding) {
    EXPECT_EQ(explanationFor(kBareBackground, "/tmp/"), std::string());
    for (const char* other : {"txt_pro", "Frame4", "Frame2", "Erklaer", "List_File1", ""}) {
        EXPECT_EQ(explanationFor(other, "/tmp/"), std::nullopt) << other;
    }
}

TEST(Explanations, NamesAreCaseSensitive) {
    EXPECT_EQ(explanationFor("cmd_saveas", ""), std::nullopt);
    EXPECT_EQ(explanationFor("image1", ""), std::nullopt);
}

TEST(Explanations, AutoButtonNamesTheOutputDirectoryAsItStands) {
    const struct {
        const char* outputDirectory;
        const char* directoryPart;
    } cases[] = {
        {"C:\\temp\\", "Verzeichnis: C:\\temp\\ Mit"},
        {"/home/u/ProE", "Verzeichnis: /home/u/ProE Mit"},
        {"", "Verzeichnis:  Mit"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(*explanationFor("cmd_auto", c.outputDirectory),
                  std::string("Mit dieser Funktion wird der config.pro der Mapkey auto "
                              "zugewiesen. Die config.pro liegt im ") +
                      c.directoryPart +
                      " der Tastenfolge >> auto <<  -eingegeben in der Pro/ENGINEER "
                      "Oberfläche-  wird die Datei doit.pro geladen und ausgeführt.");
    }
}

}  // namespace
}  // namespace stapelwerk
