#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/texts.h"
#include "platform/input_limit.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "support/TempDir.h"
#include "support/system.h"

namespace stapelwerk {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::systemReason;
using testing::TempDir;
using testing::writeBytes;

std::vector<std::string> namesIn(const std::string& directory) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(toPath(directory))) {
        names.push_back(fromPath(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplaceFile, CreatesOrReplacesAndLeavesNothingElse) {
    TempDir dir;
    ASSERT_TRUE(replaceFileBytes(dir.file("doit.pro"), "first\r\n").ok());
    EXPECT_EQ(readBytes(dir.file("doit.pro")), "first\r\n");
    const Result<> replaced = replaceFileBytes(dir.file("doit.pro"), "second\r\n");
    ASSERT_TRUE(replaced.ok()) << texts::reasonOf(replaced);
    EXPECT_EQ(readBytes(dir.file("doit.pro")), "second\r\n");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"doit.pro"});
}

// Every failure names the system's reason and changes nothing; createEmptyFile fails alike.
TEST(ReplaceFile, FailuresAreReportedAndChangeNothing) {
    TempDir dir;
    writeBytes(dir.file("plain"), "a file");
    fs::create_directory(toPath(dir.file("folder")));
    const struct {
        const char* path;
        testing::Reason reason;
    } cases[] = {
        {"missing/doit.pro", testing::kNoSuchDirectory},
        {"plain/doit.pro", testing::kNotADirectory},
        {"folder", testing::kIsADirectory},
    };
    const std::vector<std::string> before = namesIn(dir.path());
    for (const auto& c : cases) {
        for (const bool createEmpty : {false, true}) {
            SCOPED_TRACE(std::string(c.path) + (createEmpty ? " (created empty)" : ""));
            const std::string path = dir.file(c.path);
            const Result<> result =
                createEmpty ? createEmptyFile(path) : replaceFileBytes(path, "new");
            EXPECT_FALSE(result.ok());
            EXPECT_EQ(texts::reasonOf(result), systemReason(c.reason));
            EXPECT_EQ(namesIn(dir.path()), before);
            EXPECT_EQ(readBytes(dir.file("plain")), "a file");
        }
    }
}

// An output directory pasted with a NUL in it had doit.pro written into a new file named by
// the text before the NUL, as far as the system reads a name. A name with a NUL names no file.
TEST(ReplaceFile, ANameWithANulTouchesNoFile) {
    TempDir dir;
    writeBytes(dir.file("plain"), "a file");
    const auto before = namesIn(dir.path());
    for (const std::string& name :
         {std::string("new\0rest/doit.pro", 17), std::string("plain\0/doit.pro", 15),
          std::string("doit.pro\0", 9)}) {
        SCOPED_TRACE(name);
        const std::string path = dir.file(name);
        EXPECT_EQ(texts::reasonOf(replaceFileBytes(path, "new")), "Ungültiges Argument");
        EXPECT_EQ(texts::reasonOf(createEmptyFile(path)), "Ungültiges Argument");
        EXPECT_EQ(namesIn(dir.path()), before);
        EXPECT_EQ(readBytes(dir.file("plain")), "a file");
    }
    const Result<std::string> read = readFileBytes(dir.file("plain") + std::string(1, '\0') + "x");
    EXPECT_EQ(texts::reasonOf(read), "Ungültiges Argument");
}

// Up to the limit a file is read whole; one byte more is refused, not read on until memory
// runs out.
TEST(ReadFileBytes, ReadsUpToTheLimitAndRefusesMore) {
    TempDir dir;
    for (const std::uintmax_t size : {std::uintmax_t{kMostInputBytes}, kMostInputBytes + 1}) {
        SCOPED_TRACE(size);
        writeBytes(dir.file("list.txt"), "");
        std::filesystem::resize_file(dir.file("list.txt"), size);
        const Result<std::string> read = readFileBytes(dir.file("list.txt"));
        EXPECT_EQ(read.ok(), size <= kMostInputBytes);
        EXPECT_EQ(texts::reasonOf(read),
                  size <= kMostInputBytes ? "" : texts::reasonInputTooLarge());
        EXPECT_EQ(read ? read->size() : size, size);
    }
}

TEST(ReplaceFile, AProducerThatThrowsLeavesTheOldFile) {
    TempDir dir;
    writeBytes(dir.file("doit.pro"), "old doit.pro\r\n");
    EXPECT_THROW(replaceFile(dir.file("doit.pro"),
                             [](ByteSink& sink) {
                                 sink.write(std::string(300 * 1024, 'x'));
                                 throw std::runtime_error("out of entries");
                             }),
                 std::runtime_error);
    EXPECT_EQ(readBytes(dir.file("doit.pro")), "old doit.pro\r\n");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"doit.pro"});
}

// Pieces of any size are gathered into blocks; every byte arrives, in order, also where the
// blocks of a large file go past the page cache and the last, shorter one does not.
TEST(ReplaceFile, PiecesOfAnySizeArriveInOrder) {
    std::vector<std::size_t> sizes = {1, 65535, 1, 65536, 0, 65537, 3 << 20, 7, 9 << 20, 2};
    for (int i = 0; i < 200; ++i) sizes.push_back(997);
    std::vector<std::string> pieces;
    std::string expected;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        pieces.emplace_back(sizes[i], static_cast<char>('a' + i % 26));
        expected += pieces.back();
    }
    TempDir dir;
    const Result<> result = replaceFile(dir.file("doit.pro"), [&](ByteSink& sink) {
        for (const std::string& piece : pieces) sink.write(piece);
    });
    ASSERT_TRUE(result.ok()) << texts::reasonOf(result);
    EXPECT_TRUE(readBytes(dir.file("doit.pro")) == expected);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(UpdateFile, ABackupAtTheFileItselfIsRefusedAndChangesNothing) {
    TempDir dir;
    writeBytes(dir.file("config.pro"), "old\r\n");
    ReplaceStep failed = ReplaceStep::file;
    const Result<> result = updateFile(
        dir.file("config.pro"), [](ByteSink& sink, std::string_view) { sink.write("new\r\n"); },
        dir.file("config.pro"), failed);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(failed, ReplaceStep::backup);
    EXPECT_EQ(texts::reasonOf(result), texts::kReasonBackupIsTheFile);
    EXPECT_EQ(readBytes(dir.file("config.pro")), "old\r\n");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"config.pro"});
}

// Another program saves the file while the update writes its new one: what it saved is kept,
// in the file and in the backup. One that saves again and again makes the update give up and
// leave its file, and the earlier backup, as they are.
TEST(UpdateFile, AFileSavedMeanwhileIsUpdatedAsSavedOrLeftAlone) {
    for (const int saves : {1, kUpdateAttempts}) {
        SCOPED_TRACE(saves);
        TempDir dir;
        const std::string file = dir.file("config.pro");
        writeBytes(file, "old\r\n");
        writeBytes(file + ".bak", "older\r\n");
        int saved = 0;
        const Update append = [&](ByteSink& sink, std::string_view current) {
            if (saved < saves) writeBytes(file, "saved " + std::to_string(++saved) + "\r\n");
            sink.write(current);
            sink.write("appended\r\n");
        };
        ReplaceStep failed = ReplaceStep::read;
        const Result<> result = updateFile(file, append, file + ".bak", failed);
        if (saves < kUpdateAttempts) {
            ASSERT_TRUE(result.ok()) << texts::reasonOf(result);
            EXPECT_EQ(readBytes(file), "saved 1\r\nappended\r\n");
            EXPECT_EQ(readBytes(file + ".bak"), "saved 1\r\n");
        } else {
            EXPECT_EQ(texts::reasonOf(result), texts::kReasonChangedMeanwhile);
            EXPECT_EQ(failed, ReplaceStep::file);
            EXPECT_EQ(readBytes(file), "saved 3\r\n");
            EXPECT_EQ(readBytes(file + ".bak"), "older\r\n");
        }
        EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"config.pro", "config.pro.bak"}));
    }
}

// The file is compared a piece at a time: a line only added at its end is a change too.
TEST(UpdateFile, ALineAddedMeanwhileIsKept) {
    TempDir dir;
    const std::string file = dir.file("config.pro");
    writeBytes(file, "old\r\n");
    bool added = false;
    const Update append = [&](ByteSink& sink, std::string_view current) {
        if (!std::exchange(added, true)) writeBytes(file, "old\r\nadded\r\n");
        sink.write(current);
        sink.write("appended\r\n");
    };
    ReplaceStep failed = ReplaceStep::read;
    ASSERT_TRUE(updateFile(file, append, file + ".bak", failed).ok());
    EXPECT_EQ(readBytes(file), "old\r\nadded\r\nappended\r\n");
    EXPECT_EQ(readBytes(file + ".bak"), "old\r\nadded\r\n");
}

}  // namespace
}  // namespace stapelwerk
