#include <gtest/gtest.h>

#include "app/program_place.h"
#include "app/startup.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

TEST(ProgramPlace, AnInstallationIsAFolderNotWritableOrInTheUsersProgramsFolder) {
    const std::string programs = "C:\\Users\\Max\\AppData\\Local\\Programs";
    const struct {
        std::string directory;
        bool writable;
        bool installed;
    } cases[] = {
        {"C:\\Users\\Max\\AppData\\Local\\Programs\\Stapelwerk", true, true},
        {"c:/users/max/appdata/local/programs/Stapelwerk/", true, true},
        {programs, true, true},
        {"C:\\Users\\Max\\AppData\\Local\\ProgramsAndMore\\Stapelwerk", true, false},
        {"C:\\Users\\Max\\Desktop\\Stapelwerk", true, false},
        {"E:\\Stapelwerk", true, false},
        {"C:\\Program Files\\Stapelwerk", false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isInstallation(c.directory, c.writable, programs), c.installed) << c.directory;
    }
    EXPECT_FALSE(isInstallation("/home/max/stapelwerk", true, "")) << "no programs folder known";
}

TEST(ProgramPlace, TheFallbackIsTheProgramsOwnFolderUnlessItIsInstalled) {
    testing::TempDir program;
    testing::TempDir documents;
    testing::FakePlatform platform;
    platform.programDir = program.path();
    platform.documentsDir = documents.path();
    for (const bool installed : {false, true}) {
        platform.installed = installed;
        const std::string expected = installed ? documents.path() : program.path();
        EXPECT_EQ(fallbackDirectory(platform), expected);
        // Start-up's default where there is no CAD start directory, and where nothing is stored.
        const StartupState state = decideStartup(platform);
        EXPECT_EQ(state.outputDirectory, expected);
        EXPECT_TRUE(state.outputDirectoryExists);
        platform.settings[{"Stapelwerk", "Optionen", "txt_pro"}] = program.file("weg");
        EXPECT_EQ(decideStartup(platform).outputDirectory, expected) << "the chooser's text";
        platform.settings.clear();
    }
}

}  // namespace
}  // namespace stapelwerk
