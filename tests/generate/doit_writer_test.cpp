#include <gtest/gtest.h>

#include <filesystem>

#include "generate/doit_writer.h"
#include "platform/cp1252.h"
#include "platform/os.h"
#include "support/TempDir.h"
#include "support/system.h"

namespace stapelwerk {
namespace {

using testing::readBytes;
using testing::systemReason;
using testing::TempDir;
using testing::writeBytes;

const std::string kText = "mapkey doit ~ ;\\\r\nmapkey(continued) ~ ;\r\n";

TEST(DoitWriter, WritesTheTextAndOneLineEndAsWindows1252) {
    TempDir dir;
    const Result<> result = writeDoitPro(dir.path(), "Größe.prt\r\n");
    ASSERT_TRUE(result.ok()) << result.message();
    EXPECT_EQ(readBytes(dir.file("doit.pro")),
              "Gr\xF6\xDF"
              "e.prt\r\n\r\n");
}

TEST(DoitWriter, ALargeTextIsEncodedWholeWhereverItsBlocksEnd) {
    // Odd-length lines put two-byte characters across every block boundary.
    std::string text;
    for (int i = 0; text.size() < 3'500'000; ++i) text += "Bäume Öl " + std::to_string(i) + "\r\n";
    TempDir dir;
    ASSERT_TRUE(writeDoitPro(dir.path(), text).ok());
    EXPECT_EQ(readBytes(dir.file("doit.pro")), *cp1252::encode(text + "\r\n"));
}

TEST(DoitWriter, DirectoryWithOrWithoutFinalSeparatorNamesTheSameFile) {
    TempDir dir;
    EXPECT_EQ(doitProPath(dir.path()), dir.file("doit.pro"));
    EXPECT_EQ(doitProPath(dir.path() + os::kPathSeparator), dir.file("doit.pro"));
    EXPECT_EQ(doitProPath(""), os::kPathSeparator + std::string("doit.pro"));
}

TEST(DoitWriter, ReplacesAnOldFileWholeAndLeavesNothingElse) {
    TempDir dir;
    writeBytes(dir.file("doit.pro"), std::string(5000, 'x'));
    ASSERT_TRUE(writeDoitPro(dir.path(), kText).ok());
    EXPECT_EQ(readBytes(dir.file("doit.pro")), kText + "\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(DoitWriter, ReportsAMissingDirectoryWithPathAndReason) {
    TempDir dir;
    const Result<> result = writeDoitPro(dir.file("missing"), kText);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.message().find(dir.file("missing/doit.pro")), std::string::npos);
    EXPECT_NE(result.message().find(systemReason(testing::kNoSuchDirectory)), std::string::npos)
        << result.message();
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}

TEST(DoitWriter, ReportsAFileWhereTheDirectoryShouldBe) {
    TempDir dir;
    writeBytes(dir.file("plain"), "not a directory");
    const Result<> result = writeDoitPro(dir.file("plain"), kText);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.message().find(systemReason(testing::kNotADirectory)), std::string::npos)
        << result.message();
    EXPECT_EQ(readBytes(dir.file("plain")), "not a directory");
}

TEST(DoitWriter, ReportsADirectoryNamedDoitPro) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("doit.pro"));
    const Result<> result = writeDoitPro(dir.path(), kText);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("doit.pro")));
}

// Also where the character comes only after megabytes have been written.
TEST(DoitWriter, RefusesTextWindows1252CannotHold) {
    TempDir dir;
    for (const std::size_t before : {std::size_t{0}, std::size_t{9} << 20}) {
        const Result<> result =
            writeDoitPro(dir.path(), std::string(before, 'x') + "first\r\nsecond Ω line\r\n");
        EXPECT_FALSE(result.ok());
        EXPECT_NE(result.message().find("second Ω line"), std::string::npos);
        EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "nothing written, nothing left";
    }
}

}  // namespace
}  // namespace stapelwerk
