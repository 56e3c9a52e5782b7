#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "cadconfig/auto_mapkey.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "support/template_lines.h"

namespace stapelwerk {
namespace {

using testing::fileWithLines;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;
using Lines = std::vector<std::string>;

const char* const kCreated = "Es wurde eine Datei config.pro angelegt";
const char* const kAdded = "Der Mapkey auto wurde Ihrer config.pro hinzugefügt !";

// The auto block as the CAD system has to read it, written out in full.
const Lines kBlockLines = {
    "! Mapkey zum ausfuehren der doit.pro",
    "mapkey auto @MAPKEY_NAMEruft doit.pro auf und weist den mapkey doit zu;\\",
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1 `Utilities`;\\",
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\",
    "mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_util_pref`;\\",
    "mapkey(continued) ~ FocusOut `preferences` `InputOpt`;~ Activate `preferences` `Open`;\\",
    "mapkey(continued) ~ Select `file_open` `Ph_list.Filelist`1 `doit.pro`;\\",
    "mapkey(continued) ~ Activate `file_open` `Ph_list.Filelist`1 `doit.pro`;\\",
    "mapkey(continued) ~ Activate `preferences` `ApplySave`;~ FocusOut `preferences` `InputOpt`;\\",
    "mapkey(continued) ~ Activate `preferences` `Close`;%doit;",
    "!",
};

class AutoMapkeyTest : public ::testing::Test {
protected:
    // One click of `cmd_auto`.
    void install(const std::string& outputDirectory) {
        ConfigContent configLines = "left over from before";
        if (readConfigLines(platform, outputDirectory, configLines))
            appendAutoMapkey(platform, outputDirectory, configLines);
    }
    std::string config() const { return readBytes(dir.file("config.pro")); }
    std::size_t filesInDirectory() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()));
    }

    TempDir dir;
    testing::FakePlatform platform;
};

Lines operator+(Lines left, const Lines& right) {
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

TEST_F(AutoMapkeyTest, ThreeOldLinesBecomeFourteen) {
    const Lines old = {"mapkey ds @MAPKEY_LABELds;~ Command `ProCmdDwgSave`;", "",
                       "display_full_path yes"};
    writeBytes(dir.file("config.pro"), fileWithLines(old));
    install(dir.path());
    EXPECT_EQ(config(), fileWithLines(old + kBlockLines));
    EXPECT_EQ(platform.messages, Lines{kAdded});
    EXPECT_EQ(filesInDirectory(), 1u);
}

TEST_F(AutoMapkeyTest, TwiceGivesTheBlockTwiceAfterTheOldLines) {
    writeBytes(dir.file("config.pro"), "a\r\nb\r\n");
    install(dir.path());
    install(dir.path() + "/");
    EXPECT_EQ(config(), fileWithLines(Lines{"a", "b"} + kBlockLines + kBlockLines));
}

TEST_F(AutoMapkeyTest, AMissingFileIsCreatedWithTheBlockOnly) {
    install(dir.path());
    EXPECT_EQ(config(), fileWithLines(kBlockLines));
    EXPECT_EQ(platform.messages, (Lines{kCreated, kAdded}));
}

TEST_F(AutoMapkeyTest, AnEmptyFileIsNoNewFile) {
    writeBytes(dir.file("config.pro"), "");
    install(dir.path());
    EXPECT_EQ(config(), fileWithLines(kBlockLines));
    EXPECT_EQ(platform.messages, Lines{kAdded});
}

TEST_F(AutoMapkeyTest, OldBytesComeBackUnchanged) {
    // Windows-1252 umlauts, a byte that is no text in UTF-8, a lone LF inside a
    // line, a lone CR ending one, and a last line without a line end.
    const std::string old =
        "! Gr\xF6\xDF"
        "e\r\nbad \x81\xFF\r\nwith\nfeed\rcr-ended\r\nlast";
    writeBytes(dir.file("config.pro"), old);
    install(dir.path());
    EXPECT_EQ(config(), old + "\r\n" + fileWithLines(kBlockLines));
    // A closing lone CR is completed to CR LF, not followed by another line end.
    writeBytes(dir.file("config.pro"), "mac\rlines\r");
    install(dir.path());
    EXPECT_EQ(config(), "mac\rlines\r\n" + fileWithLines(kBlockLines));
}

TEST_F(AutoMapkeyTest, FilesOfAnySize) {
    Lines old;
    for (int i = 0; i < 40000; ++i) old.push_back("! line " + std::to_string(i));
    writeBytes(dir.file("config.pro"), fileWithLines(old));
    install(dir.path());
    EXPECT_EQ(config(), fileWithLines(old + kBlockLines));
}

TEST_F(AutoMapkeyTest, PathFollowsTheOutputDirectoryText) {
    EXPECT_EQ(configProPath("/home/u123/ProEWildfire3", "/opt/prog"),
              "/home/u123/ProEWildfire3/config.pro");
    EXPECT_EQ(configProPath("/home/u123/ProEWildfire3/", "/opt/prog"),
              "/home/u123/ProEWildfire3/config.pro");
    EXPECT_EQ(configProPath("", "/opt/prog"), "/opt/prog/config.pro");
    EXPECT_EQ(configProPath("", "/"), "/config.pro");
}

TEST_F(AutoMapkeyTest, AnEmptyOutputDirectoryMeansTheProgramDirectory) {
    platform.programDir = dir.path();
    install("");
    EXPECT_EQ(config(), fileWithLines(kBlockLines));
}

// Every failure names the path and the reason and is followed by no success message.
TEST_F(AutoMapkeyTest, FailuresAreReportedAndChangeNothing) {
    std::filesystem::create_directory(dir.file("folder"));
    std::filesystem::create_directory(dir.file("folder/config.pro"));
    writeBytes(dir.file("plain"), "a file");
    std::filesystem::create_directory(dir.file("unreadable"));
    // A file whose length reads as 0 and whose reading fails with an I/O error.
    std::filesystem::create_symlink("/proc/self/mem", dir.file("unreadable/config.pro"));

    const struct {
        std::string outputDirectory;
        std::string path;
        std::string says;
    } cases[] = {
        {dir.file("folder"), dir.file("folder/config.pro"), "Is a directory"},
        {dir.file("missing"), dir.file("missing/config.pro"), "No such file or directory"},
        {dir.file("plain"), dir.file("plain/config.pro"), "Not a directory"},
        {dir.file("unreadable"), dir.file("unreadable/config.pro"), "nicht gelesen"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.outputDirectory);
        platform.messages.clear();
        install(c.outputDirectory);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_NE(platform.messages[0].find(c.path), std::string::npos) << platform.messages[0];
        EXPECT_NE(platform.messages[0].find(c.says), std::string::npos) << platform.messages[0];
        EXPECT_NE(platform.messages[0].find("nicht hinzugefügt"), std::string::npos);
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder/config.pro")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
    EXPECT_EQ(readBytes(dir.file("plain")), "a file");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("unreadable/config.pro")));
}

TEST_F(AutoMapkeyTest, AFullDiskLeavesTheOldFileIntact) {
    const std::string old = fileWithLines(Lines(200, "! a line of the old configuration"));
    writeBytes(dir.file("config.pro"), old);

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = old.size();  // the old lines fit, the block does not
    setrlimit(RLIMIT_FSIZE, &small);
    install(dir.path());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_EQ(config(), old);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("File too large"), std::string::npos)
        << platform.messages[0];
    EXPECT_NE(platform.messages[0].find(dir.file("config.pro")), std::string::npos);
    EXPECT_EQ(filesInDirectory(), 1u) << "the partial new file must not stay behind";
}

TEST_F(AutoMapkeyTest, AFailedCreationShowsNoCreationMessage) {
    std::filesystem::create_symlink(dir.file("nowhere/target"), dir.file("config.pro"));
    install(dir.path());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("nicht angelegt"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("config.pro"))) << "never replaced";
}

}  // namespace
}  // namespace stapelwerk
