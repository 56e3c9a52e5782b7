#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_checks.h"
#include "platform/text_file.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

TEST(FileChecks, TellDirectoriesFromFilesAndNeverFail) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("sub"));
    writeBytes(dir.file("plain.prt"), "x");
    writeBytes(dir.file("empty.prt"), "");
    std::filesystem::create_directory_symlink(dir.file("sub"), dir.file("link-to-sub"));
    std::filesystem::create_symlink(dir.file("gone"), dir.file("dangling"));

    const struct {
        std::string path;
        bool directory;
        bool file;
    } cases[] = {
        {dir.path(), true, false},
        {dir.path() + "/", true, false},
        {dir.file("sub"), true, false},
        {dir.file("link-to-sub"), true, false},
        {dir.file("plain.prt"), false, true},
        {dir.file("empty.prt"), false, true},
        {dir.file("plain.prt/inner"), false, false},  // a file where a directory should be
        {dir.file("missing"), false, false},
        {dir.file("dangling"), false, false},
        {"", false, false},
        {std::string("\0", 1), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(directoryExists(c.path), c.directory);
        EXPECT_EQ(fileExists(c.path), c.file);
    }
}

TEST(CreateEmptyFile, CreatesOnlyWhereNothingIs) {
    TempDir dir;
    ASSERT_TRUE(createEmptyFile(dir.file("new.pro")).ok);
    EXPECT_TRUE(fileExists(dir.file("new.pro")));
    EXPECT_EQ(readBytes(dir.file("new.pro")), "");

    writeBytes(dir.file("old.pro"), "keep me");
    const FileResult existing = createEmptyFile(dir.file("old.pro"));
    EXPECT_FALSE(existing.ok);
    EXPECT_EQ(existing.reason, "File exists");
    EXPECT_EQ(readBytes(dir.file("old.pro")), "keep me");

    std::filesystem::create_directory(dir.file("folder.pro"));
    EXPECT_EQ(createEmptyFile(dir.file("folder.pro")).reason, "Is a directory");

    const FileResult missing = createEmptyFile(dir.file("missing/new.pro"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, "No such file or directory");
}

}  // namespace
}  // namespace stapelwerk
