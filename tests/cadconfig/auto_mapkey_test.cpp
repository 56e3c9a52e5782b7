#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "cadconfig/auto_mapkey_fixture.h"
#include "core/texts.h"
#include "support/system.h"
#include "support/template_lines.h"

namespace stapelwerk {
namespace {

using testing::AutoMapkeyTest;
using testing::fileWithLines;
using testing::kAdded;
using testing::kBlockLines;
using testing::kCreated;
using testing::Lines;
using testing::readBytes;
using testing::systemReason;
using testing::writeBytes;
using Names = std::set<std::string>;

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
    EXPECT_EQ(config(), fileWithLines(Lines{"a", "b"} + kBlockLines + kBlockLines))
        << ::testing::PrintToString(platform.messages);
}

TEST_F(AutoMapkeyTest, ASecondAutoKeepsTheFirstBackupWhichHoldsTheFileFromBeforeAnyAuto) {
    const std::string users = "a\r\nb\r\n";
    writeBytes(dir.file("config.pro"), users);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(install(dir.path()));
    EXPECT_EQ(config(), fileWithLines(Lines{"a", "b"} + kBlockLines + kBlockLines + kBlockLines));
    EXPECT_EQ(backup(), users);
    const std::string kept(texts::kMessageAutoMapkeyAddedBackupKept);
    EXPECT_EQ(platform.messages, (Lines{kAdded, kept, kept}));

    // A config.pro that defines auto without a backup beside it gets one.
    std::filesystem::remove(dir.file("config.pro.bak"));
    const std::string before = config();
    ASSERT_TRUE(install(dir.path()));
    EXPECT_EQ(backup(), before);
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
    EXPECT_EQ(config(), old + "\r\n" + fileWithLines(kBlockLines));
}

// The CAD system ends a line at LF, CR LF or CR; the block's lines end as most of the
// file's do, and an unterminated last line gets that line end too.
TEST_F(AutoMapkeyTest, TheBlockTakesTheLineEndsTheFileUses) {
    const auto block = [](std::string_view lineEnd) {
        std::string bytes;
        for (const std::string& line : kBlockLines) bytes.append(line).append(lineEnd);
        return bytes;
    };
    const struct {
        std::string old;
        std::string appended;
    } cases[] = {
        {"! UNIX\nmapkey ds x\n", block("\n")},
        {"! UNIX\nmapkey ds x", "\n" + block("\n")},
        {"mac\rlines\r", block("\r")},
        {"a\r\nb\nc\nd", "\n" + block("\n")},
        {"a\r\nb\r\nc\nd", "\r\n" + block("\r\n")},
        {"a\r\nb\n", block("\r\n")},
        {"one line", "\r\n" + block("\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.old));
        writeBytes(dir.file("config.pro"), c.old);
        install(dir.path());
        EXPECT_EQ(config(), c.old + c.appended);
    }
}

TEST_F(AutoMapkeyTest, FilesOfAnySize) {
    Lines old;
    for (int i = 0; i < 40000; ++i) old.push_back("! line " + std::to_string(i));
    writeBytes(dir.file("config.pro"), fileWithLines(old));
    install(dir.path());
    EXPECT_EQ(config(), fileWithLines(old + kBlockLines));
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

    const struct {
        std::string outputDirectory;
        std::string path;
        std::string says;
    } cases[] = {
        {dir.file("folder"), dir.file("folder/config.pro"), systemReason(testing::kIsADirectory)},
        {dir.file("missing"), dir.file("missing/config.pro"),
         systemReason(testing::kNoSuchDirectory)},
        {dir.file("plain"), dir.file("plain/config.pro"), systemReason(testing::kNotADirectory)},
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
}

TEST_F(AutoMapkeyTest, ABackupThatCannotBeMadeStopsTheAppend) {
    writeBytes(dir.file("config.pro"), "kept\r\n");
    std::filesystem::create_directory(dir.file("config.pro.bak"));
    EXPECT_FALSE(install(dir.path()));
    EXPECT_EQ(config(), "kept\r\n");
    ASSERT_EQ(platform.messages.size(), 1u);
    for (const std::string& says :
         {dir.file("config.pro.bak"), systemReason(testing::kIsADirectory),
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
        EXPECT_EQ(definesAutoMapkey(fileWithLines({"! first", c.line, "last"})), c.defines);
    }
    EXPECT_TRUE(definesAutoMapkey(fileWithLines(kBlockLines)));
    EXPECT_TRUE(definesAutoMapkey("! a\rmapkey auto %x;")) << "a lone CR ends a line";
    EXPECT_TRUE(definesAutoMapkey("! a\nmapkey auto %x;")) << "so does a lone LF";
}

}  // namespace
}  // namespace stapelwerk
