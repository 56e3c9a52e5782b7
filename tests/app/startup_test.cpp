#include <gtest/gtest.h>

#include <filesystem>

#include "app/startup.h"
#include "platform/file_checks.h"
#include "platform/os.h"
#include "support/FakePlatform.h"
#include "support/ScopedHome.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using testing::FakePlatform;
using testing::ScopedCadStartDirectory;
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
    StartupDecision() {
        platform.programDir = program.path();
        platform.login = " u123 ";
    }

    void storeOutputDirectory(const std::string& value) {
        platform.settings[{"Stapelwerk", "Optionen", "txt_pro"}] = value;
    }

    TempDir scratch;
    TempDir program;
    FakePlatform platform;
    ScopedCadStartDirectory cadStartDirectory{"u123"};
};

constexpr const char* kCannotMake = "the CAD start directory cannot be made here";

TEST_F(StartupDecision, FirstRunWithTheCadStartDirectory) {
    if (!cadStartDirectory.make()) GTEST_SKIP() << kCannotMake;
    const StartupState state = decideStartup(platform);
    EXPECT_EQ(state.userName, "u123");
    // The second candidate is taken untested: on POSIX it is the same directory; on Windows
    // (E:\users\u123\ProEWildfire3\), where it is missing, start-up asks for a directory.
    const std::string second = os::cadStartDirectories("u123").second;
    if (directoryExists(second)) {
        EXPECT_EQ(state.outputDirectory, second);
        EXPECT_TRUE(state.outputDirectoryExists);
        EXPECT_EQ(state.status, "Bitte Dateien wählen");
    } else {
        EXPECT_EQ(state.outputDirectory, program.path());
        EXPECT_FALSE(state.outputDirectoryExists);
        EXPECT_EQ(state.status, "Speicherort der Ausgabedatei angeben !!!");
    }
}

TEST_F(StartupDecision, FirstRunWithoutItUsesTheProgramDirectory) {
    const StartupState state = decideStartup(platform);
    EXPECT_EQ(state.outputDirectory, program.path());
    EXPECT_TRUE(state.outputDirectoryExists);
    EXPECT_EQ(state.status, "Bitte Dateien wählen");
}

TEST_F(StartupDecision, AStoredDirectoryWinsOverTheDefault) {
    if (!cadStartDirectory.make()) GTEST_SKIP() << kCannotMake;
    TempDir stored;
    storeOutputDirectory(stored.path());
    const StartupState state = decideStartup(platform);
    EXPECT_EQ(state.outputDirectory, stored.path());
    EXPECT_TRUE(state.outputDirectoryExists);
}

TEST_F(StartupDecision, AStoredDirectoryThatIsGoneOpensTheChooser) {
    if (!cadStartDirectory.make()) GTEST_SKIP() << kCannotMake;
    for (const std::string& stored : {std::string(), scratch.file("gone"), scratch.file("file")}) {
        SCOPED_TRACE(stored);
        testing::writeBytes(scratch.file("file"), "");
        storeOutputDirectory(stored);
        const StartupState state = decideStartup(platform);
        EXPECT_FALSE(state.outputDirectoryExists);
        EXPECT_EQ(state.outputDirectory, program.path());
        EXPECT_EQ(state.status, "Speicherort der Ausgabedatei angeben !!!");
    }
}

}  // namespace
}  // namespace stapelwerk
