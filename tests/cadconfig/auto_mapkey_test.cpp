#include <gtest/gtest.h>

#include <filesystem>

#include "cadconfig/auto_mapkey_fixture.h"
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

}  // namespace
}  // namespace stapelwerk
