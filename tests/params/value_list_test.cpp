#include <gtest/gtest.h>

#include <filesystem>

#include "core/texts.h"
#include "params/value_list.h"
#include "params/value_list_file.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;
using Values = std::vector<std::string>;

TEST(ValueList, DeleteMarkedRemovesTheSelectedAndEveryEmptyValue) {
    const struct {
        const char* name;
        Values values;
        std::optional<std::size_t> selected;
        Values expected;
    } cases[] = {
        {"selected", {"a", "b", "c"}, 1, {"a", "c"}},
        {"nothing selected: only the empty ones", {"", "a", "", "b", ""}, std::nullopt, {"a", "b"}},
        {"of two equal values only the selected", {"x", "y", "x"}, 2, {"x", "y"}},
        {"selected and empty", {"a", "", "b"}, 0, {"b"}},
        {"blanks are no empty value", {" ", "a"}, std::nullopt, {" ", "a"}},
        {"a mark past the end marks nothing", {"a", "", "b"}, 3, {"a", "b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ValueList list;
        list.assign(c.values);
        list.removeMarkedAndEmpty(c.selected);
        EXPECT_EQ(list.values(), c.expected);
    }
}

TEST(ValueList, AppendKeepsEmptyAndRepeatedValuesBehindTheOldOnes) {
    ValueList list;
    list.append({"a", ""});
    list.append({"a", "b"});
    EXPECT_EQ(list.values(), (Values{"a", "", "a", "b"}));
}

TEST(ValueListFile, WritesWindows1252LinesAndReadsThemBack) {
    TempDir dir;
    const std::string path = valueListPath(dir.path());
    EXPECT_EQ(path, dir.file("Lindwurm_param.txt"));
    const Values values{"Stahl", "", " Größe ", "Name", "5€"};
    ASSERT_TRUE(writeValueList(path, values).ok());
    EXPECT_EQ(readBytes(path),
              "Stahl\r\n\r\n Gr\xF6\xDF"
              "e \r\nName\r\n5\x80\r\n");
    EXPECT_EQ(readValueList(path).value(), values);

    writeBytes(path, "a\nb\rc\r\n\r\nd");
    EXPECT_EQ(readValueList(path).value(), (Values{"a\nb", "c", "", "d"}))
        << "a lone LF stays in its line; a last line without a line end counts";

    ASSERT_TRUE(writeValueList(path, {}).ok());
    EXPECT_EQ(readBytes(path), "") << "an empty list gives an empty file";
}

TEST(ValueListFile, AMissingFileIsSaidToBeMissingNotReadAsNoValues) {
    TempDir dir;
    for (const std::string& directory : {dir.path(), dir.file("missing")}) {
        const std::string path = valueListPath(directory);
        const Result<std::vector<std::string>> read = readValueList(path);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.message(), texts::messageValueListMissing(path));
    }
}

TEST(ValueListFile, AnInstalledProgramKeepsItInTheUsersDataUnlessOneLiesBesideIt) {
    TempDir program;
    TempDir data;
    testing::FakePlatform platform;
    platform.programDir = program.path();
    platform.dataDir = data.path();
    const std::string beside = program.file("Lindwurm_param.txt");
    EXPECT_EQ(valueListPath(platform), beside) << "a folder of the user's own";
    platform.installed = true;
    EXPECT_EQ(valueListPath(platform), data.file("Lindwurm_param.txt"));
    testing::writeBytes(beside, "S235\r\n");
    EXPECT_EQ(valueListPath(platform), beside) << "kept beside the program by its user";
}

TEST(ValueListFile, RefusesAValueWindows1252CannotHold) {
    TempDir dir;
    const std::string path = valueListPath(dir.path());
    const std::string message = writeValueList(path, {"a", "Ωmega"}).message();
    EXPECT_NE(message.find("\"Ωmega\""), std::string::npos) << message;
    EXPECT_NE(message.find(path), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
}

// A value with a NUL or a line break, pasted or typed, went into the list file, which then
// was no text file any more, and a lone CR split the value when the list was read back.
TEST(ValueListFile, RefusesAValueWithALineBreakOrAControlCharacter) {
    TempDir dir;
    const std::string path = valueListPath(dir.path());
    for (const std::string& value :
         {std::string("St\0ahl", 6), std::string("St\rahl"), std::string("St\nahl")}) {
        const std::string message = writeValueList(path, {"a", value}).message();
        EXPECT_NE(message.find(value), std::string::npos) << message;
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

}  // namespace
}  // namespace stapelwerk
