#include <gtest/gtest.h>

#include "app/program_place.h"
#include "app/startup.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

TEST(ProgramPlace, AnInstallationIsAFolderNotWritableOrInTheUsersProgramsFolder) {
    const std::string programs = "C:\\Users\\Max\\AppData\\Local\\Programs";
    const std::tuple<std::string, bool, bool> cases[] = {
        // folder, writable, installed
        {"c:/users/max/appdata/local/programs/Stapelwerk/", true, true},
        {"C:\\Users\\Max\\AppData\\Local\\ProgramsAlt\\Stapelwerk", true, false},
        {"E:\\Stapelwerk", true, false},
        {"C:\\Program Files\\Stapelwerk", false, true},
    };
    for (const auto& [folder, writable, installed] : cases) {
        EXPECT_EQ(isInstallation(folder, writable, programs), installed) << folder;
    }
}

TEST(ProgramPlace, StartUpFallsBackOnTheProgramsFolderOrForAnInstalledOneTheDocuments) {
    testing::TempDir program;
    testing::TempDir documents;
    testing::FakePlatform platform;
    platform.programDir = program.path();
    platform.documentsDir = documents.path();
    for (const bool installed : {false, true}) {
        platform.installed = installed;
        const std::string expected = installed ? documents.path() : program.path();
        EXPECT_EQ(decideStartup(platform).outputDirectory, expected) << "nothing stored";
        platform.settings[{"Stapelwerk", "Optionen", "txt_pro"}] = program.file("weg");
        EXPECT_EQ(decideStartup(platform).outputDirectory, expected) << "the chooser's";
        platform.settings.clear();
    }
}

}  // namespace
}  // namespace stapelwerk
