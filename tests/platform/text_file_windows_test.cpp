// The replace routine with the Windows calls: CreateFileW with CREATE_NEW for the new file,
// FlushFileBuffers, and ReplaceFileW over an old file (MoveFileExW where there is none).
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/texts.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "support/TempDir.h"
#include "support/system.h"

namespace stapelwerk {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

DWORD attributesOf(const std::string& path) { return GetFileAttributesW(toPath(path).c_str()); }

std::size_t entriesIn(const std::string& directory) {
    const std::filesystem::directory_iterator entries(toPath(directory));
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

// The old file's attributes stay with the new content, as its permission bits do on POSIX.
TEST(ReplaceFileOnWindows, KeepsTheOldFilesAttributes) {
    TempDir dir;
    const std::string file = dir.file("config.pro");
    writeBytes(file, "old");
    ASSERT_TRUE(
        SetFileAttributesW(toPath(file).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    const Result<> result = replaceFileBytes(file, "new");
    ASSERT_TRUE(result.ok()) << texts::reasonOf(result);
    EXPECT_EQ(readBytes(file), "new");
    EXPECT_NE(attributesOf(file) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

// Windows marks a file read-only to keep it from being changed, and its own programs
// refuse to save over it: so does this one, saying why; the old file stays as it was.
TEST(ReplaceFileOnWindows, AReadOnlyFileIsRefusedAndKept) {
    TempDir dir;
    const std::string file = dir.file("doit.pro");
    writeBytes(file, "old");
    ASSERT_TRUE(SetFileAttributesW(toPath(file).c_str(), FILE_ATTRIBUTE_READONLY));
    const Result<> result = replaceFileBytes(file, "new");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(texts::reasonOf(result), texts::kReasonWriteProtected);
    EXPECT_EQ(readBytes(file), "old");
    EXPECT_NE(attributesOf(file) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
    SetFileAttributesW(toPath(file).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A file that another program holds open without sharing it cannot be replaced; the new
// content does not stay behind.
TEST(ReplaceFileOnWindows, AFileHeldOpenByAnotherProgramIsKept) {
    TempDir dir;
    const std::string file = dir.file("doit.pro");
    writeBytes(file, "old");
    const HANDLE held = CreateFileW(toPath(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const Result<> result = replaceFileBytes(file, "new");
    CloseHandle(held);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(texts::reasonOf(result).empty());
    EXPECT_EQ(readBytes(file), "old");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

// A new file that a killed write left goes with the next write into its directory; one
// that a running write holds open, and names that are not ours, stay.
TEST(ReplaceFileOnWindows, ClearsWhatKilledWritesLeftButNotWhatARunningOneHolds) {
    TempDir dir;
    const std::string left = dir.file(".stapelwerk-0a1b2c3d4e5f.tmp");
    const std::string running = dir.file(".stapelwerk-zzzzzzzzzzzz.tmp");
    for (const std::string& file :
         {left, running, dir.file(".stapelwerk-kurz.tmp"), dir.file("fremd-0a1b2c3d4e5f.tmp")}) {
        writeBytes(file, "alt");
    }
    const HANDLE held = CreateFileW(toPath(running).c_str(), GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const Result<> result = replaceFileBytes(dir.file("doit.pro"), "neu");
    CloseHandle(held);
    ASSERT_TRUE(result.ok()) << texts::reasonOf(result);
    EXPECT_FALSE(std::filesystem::exists(toPath(left)));
    EXPECT_TRUE(std::filesystem::exists(toPath(running)));
    EXPECT_EQ(entriesIn(dir.path()), 4u);
}

// Names beyond Windows-1252 and the ANSI code page reach the system whole (wide calls).
TEST(ReplaceFileOnWindows, NamesInAnyScript) {
    TempDir dir;
    const std::string file = dir.file("Größe-Ωμέγα-łódź.pro");
    ASSERT_TRUE(replaceFileBytes(file, "first").ok);
    ASSERT_TRUE(replaceFileBytes(file, "second").ok);
    EXPECT_EQ(readBytes(file), "second");
    EXPECT_EQ(fromPath(std::filesystem::directory_iterator(toPath(dir.path()))->path().filename()),
              "Größe-Ωμέγα-łódź.pro");
}

}  // namespace
}  // namespace stapelwerk
