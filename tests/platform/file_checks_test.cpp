#include <gtest/gtest.h>

#include <filesystem>

#include "core/texts.h"
#include "platform/file_checks.h"
#include "platform/text_file.h"
#include "support/TempDir.h"
#include "support/system.h"

namespace stapelwerk {
namespace {

using testing::readBytes;
using testing::systemReason;
using testing::TempDir;
using testing::writeBytes;

TEST(FileChecks, TellDirectoriesFromFilesAndNeverFail) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("sub"));
    writeBytes(dir.file("plain.prt"), "x");
    writeBytes(dir.file("empty.prt"), "");

    const struct {
        std::string path;
        bool directory;
    } cases[] = {
        {dir.path(), true},
        {dir.path() + "/", true},
        {dir.file("sub"), true},
        {dir.file("plain.prt"), false},
        {dir.file("empty.prt"), false},
        {dir.file("plain.prt/inner"), false},  // a file where a directory should be
        {dir.file("missing"), false},
        {"", false},
        {std::string("\0", 1), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(directoryExists(c.path), c.directory);
    }
}

TEST(CreateEmptyFile, CreatesOnlyWhereNothingIs) {
    TempDir dir;
    ASSERT_TRUE(createEmptyFile(dir.file("new.pro")).ok());
    EXPECT_EQ(readBytes(dir.file("new.pro")), "");

    writeBytes(dir.file("old.pro"), "keep me");
    const Result<> existing = createEmptyFile(dir.file("old.pro"));
    EXPECT_FALSE(existing.ok());
    EXPECT_EQ(texts::reasonOf(existing), systemReason(testing::kFileExists));
    EXPECT_EQ(readBytes(dir.file("old.pro")), "keep me");

    std::filesystem::create_directory(dir.file("folder.pro"));
    EXPECT_EQ(texts::reasonOf(createEmptyFile(dir.file("folder.pro"))),
              systemReason(testing::kIsADirectory));

    const Result<> missing = createEmptyFile(dir.file("missing/new.pro"));
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(texts::reasonOf(missing), systemReason(testing::kNoSuchDirectory));
}

}  // namespace
}  // namespace stapelwerk
