#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <set>

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
    // One click of `cmd_auto`; true when the block was appended.
    bool install(const std::string& outputDirectory) {
        ConfigLines configLines{{"left over from before"}, true};
        return readConfigLines(platform, outputDirectory, configLines) &&
               appendAutoMapkey(platform, outputDirectory, configLines);
    }
    std::string config() const { return readBytes(dir.file("config.pro")); }
    std::string backup() const { return readBytes(dir.file("config.pro.bak")); }
    std::set<std::string> filesInDirectory() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            names.insert(entry.path().filename().string());
        return names;
    }
    using Names = std::set<std::string>;

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
    EXPECT_EQ(filesInDirectory(), (Names{"config.pro", "config.pro.bak"}));
}

TEST_F(AutoMapkeyTest, TwiceGivesTheBlockTwiceAfterTheOldLines) {
    writeBytes(dir.file("config.pro"), "a\r\nb\r\n");
    install(dir.path());
    install(dir.path() + "/");
    EXPECT_EQ(config(), fileWithLines(Lines{"a", "b"} + kBlockLines + kBlockLines));
}

TEST_F(AutoMapkeyTest, AMissingFileIsCreatedWithTheBlockOnlyAndNoBackup) {
    writeBytes(dir.file("config.pro.bak"), "a copy from before");
    EXPECT_TRUE(install(dir.path()));
    EXPECT_EQ(config(), fileWithLines(kBlockLines));
    EXPECT_EQ(platform.messages, (Lines{kCreated, kAdded}));
    EXPECT_EQ(backup(), "a copy from before") << "nothing was there to back up";
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
    EXPECT_EQ(config(),
              "! Gr\xF6\xDF"
              "e\r\nbad \x81\xFF\r\nwith\nfeed\r\ncr-ended\r\nlast\r\n" +
                  fileWithLines(kBlockLines));
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
    EXPECT_EQ(filesInDirectory(), (Names{"config.pro", "config.pro.bak"}))
        << "the partial new file must not stay behind";
    EXPECT_EQ(backup(), old);
}

TEST_F(AutoMapkeyTest, AFailedCreationShowsNoCreationMessage) {
    std::filesystem::create_symlink(dir.file("nowhere/target"), dir.file("config.pro"));
    install(dir.path());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("nicht angelegt"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("config.pro"))) << "never replaced";
}

TEST_F(AutoMapkeyTest, TheFileBeforeEachAppendIsBackedUpByteForByteWithItsAccess) {
    const std::string old =
        "! Gr\xF6\xDF"
        "e\rlast";
    writeBytes(dir.file("config.pro"), old);
    std::filesystem::permissions(dir.file("config.pro"), std::filesystem::perms(0600));
    writeBytes(dir.file("config.pro.bak"), "older");
    std::filesystem::permissions(dir.file("config.pro.bak"), std::filesystem::perms(0644));
    EXPECT_TRUE(install(dir.path()));
    EXPECT_EQ(backup(), old);
    struct stat copied {};
    ASSERT_EQ(::stat(dir.file("config.pro.bak").c_str(), &copied), 0);
    EXPECT_EQ(copied.st_mode & 0777, 0600u) << "no more readers than config.pro";

    const std::string once = config();
    EXPECT_TRUE(install(dir.path()));
    EXPECT_EQ(backup(), once) << "replaced by the file before the second append";

    // Changed between reading and appending: the copy keeps the change.
    ConfigLines lines;
    ASSERT_TRUE(readConfigLines(platform, dir.path(), lines));
    writeBytes(dir.file("config.pro"), "changed meanwhile\r\n");
    EXPECT_TRUE(appendAutoMapkey(platform, dir.path(), lines));
    EXPECT_EQ(backup(), "changed meanwhile\r\n");
}

TEST_F(AutoMapkeyTest, TheBackupOfALinkedFileLiesBesideTheFileItNames) {
    std::filesystem::create_directory(dir.file("shared"));
    writeBytes(dir.file("shared/team.pro"), "team\r\n");
    std::filesystem::create_directory(dir.file("work"));
    std::filesystem::create_symlink("../shared/team.pro", dir.file("work/config.pro"));
    EXPECT_TRUE(install(dir.file("work")));
    EXPECT_EQ(readBytes(dir.file("shared/config.pro.bak")), "team\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("work/config.pro.bak")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("work/config.pro")));
}

TEST_F(AutoMapkeyTest, ABackupThatCannotBeMadeStopsTheAppend) {
    writeBytes(dir.file("config.pro"), "kept\r\n");
    std::filesystem::create_directory(dir.file("config.pro.bak"));
    EXPECT_FALSE(install(dir.path()));
    EXPECT_EQ(config(), "kept\r\n");
    ASSERT_EQ(platform.messages.size(), 1u);
    for (const std::string& says : {dir.file("config.pro.bak"), std::string("Is a directory"),
                                    std::string("nicht hinzugefügt")}) {
        EXPECT_NE(platform.messages[0].find(says), std::string::npos) << platform.messages[0];
    }
    EXPECT_EQ(filesInDirectory(), (Names{"config.pro", "config.pro.bak"}));
}

TEST(AutoMapkeyDetection, FindsADefinitionOfAutoOnly) {
    const struct {
        const char* line;
        bool defines;
    } cases[] = {
        {"mapkey auto @MAPKEY_NAMEruft doit.pro auf;\\", true},
        {"MAPKEY auto ~ Command `x`;", true},
        {"  mapkey\tauto\t%doit;", true},
        {"mapkey Auto %doit;", false},
        {"mapkey autox %doit;", false},
        {"mapkey auto", false},
        {"mapkey(continued) auto %doit;", false},
        {"! mapkey auto %doit;", false},
        {"mapkeyauto %doit;", false},
        {"mapkey ds @MAPKEY_LABELds;", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(definesAutoMapkey({"! first", c.line, "last"}), c.defines);
    }
    EXPECT_TRUE(definesAutoMapkey(Lines(kBlockLines.begin(), kBlockLines.end())));
}

}  // namespace
}  // namespace stapelwerk
