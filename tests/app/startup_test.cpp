#include <gtest/gtest.h>

#include <filesystem>

#include "app/startup.h"
#include "support/FakePlatform.h"
#include "support/ScopedHome.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using testing::FakePlatform;
using testing::ScopedHome;
using testing::TempDir;

TEST(Startup, UserNameIsTheLoginNameWithoutBlanks) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"u123", "u123"},
        {"  u123 ", "u123"},
        {"Max Muster", "Max Muster"},
        {"\tu123", "\tu123"},  // only blanks are trimmed
        {"", "USER"},
        {"   ", "USER"},
    };
    // clang-format on
    for (const auto& [login, user] : cases) EXPECT_EQ(userName(login), user) << login;
}

TEST(Startup, DefaultIsTheSecondCandidateWhenTheFirstExists) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("C"));
    const std::string second = dir.file("E/users/u123/ProEWildfire3/");  // never tested
    EXPECT_EQ(defaultOutputDirectory({dir.file("C") + "/", second}, "/opt/prog"), second);
    EXPECT_EQ(defaultOutputDirectory({dir.file("missing/"), second}, "/opt/prog"), "/opt/prog");
}

class StartupDecision : public ::testing::Test {
protected:
    StartupDecision() : home_(home.path()) {
        platform.programDir = program.path();
        platform.login = " u123 ";
    }

    void makeCadStartDirectory() { std::filesystem::create_directory(home.file("ProEWildfire3")); }
    void storeOutputDirectory(const std::string& value) {
        platform.settings[{"Stapelwerk", "Optionen", "txt_pro"}] = value;
    }

    TempDir home;
    TempDir program;
    FakePlatform platform;

private:
    ScopedHome home_;
};

TEST_F(StartupDecision, FirstRunWithTheCadStartDirectory) {
    makeCadStartDirectory();
    const StartupState state = decideStartup(platform);
    EXPECT_EQ(state.userName, "u123");
    EXPECT_EQ(state.outputDirectory, home.file("ProEWildfire3/"));
    EXPECT_TRUE(state.outputDirectoryExists);
    EXPECT_EQ(state.status, "Bitte Dateien wählen");
}

TEST_F(StartupDecision, FirstRunWithoutItUsesTheProgramDirectory) {
    const StartupState state = decideStartup(platform);
    EXPECT_EQ(state.outputDirectory, program.path());
    EXPECT_TRUE(state.outputDirectoryExists);
    EXPECT_EQ(state.status, "Bitte Dateien wählen");
}

TEST_F(StartupDecision, AStoredDirectoryWinsOverTheDefault) {
    makeCadStartDirectory();
    TempDir stored;
    storeOutputDirectory(stored.path());
    const StartupState state = decideStartup(platform);
    EXPECT_EQ(state.outputDirectory, stored.path());
    EXPECT_TRUE(state.outputDirectoryExists);
}

TEST_F(StartupDecision, AStoredDirectoryThatIsGoneOpensTheChooser) {
    makeCadStartDirectory();
    for (const std::string& stored : {std::string(), home.file("gone"), home.file("file")}) {
        SCOPED_TRACE(stored);
        testing::writeBytes(home.file("file"), "");
        storeOutputDirectory(stored);
        const StartupState state = decideStartup(platform);
        EXPECT_FALSE(state.outputDirectoryExists);
        EXPECT_EQ(state.outputDirectory, program.path());
        EXPECT_EQ(state.status, "Speicherort der Ausgabedatei angeben !!!");
    }
}

}  // namespace
}  // namespace stapelwerk
