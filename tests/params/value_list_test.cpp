#include <gtest/gtest.h>

#include <filesystem>

#include "params/value_list.h"
#include "params/value_list_file.h"
#include "support/FileSizeLimit.h"
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
        {"empty list", {}, std::nullopt, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(withoutMarkedAndEmpty(c.values, c.selected), c.expected);
    }
}

TEST(ValueListFile, LiesInTheProgramDirectory) {
    EXPECT_EQ(valueListPath("/opt/lindwurm"), "/opt/lindwurm/Lindwurm_param.txt");
    EXPECT_EQ(valueListPath("/"), "/Lindwurm_param.txt");
}

TEST(ValueListFile, WritesWindows1252LinesAndReadsThemBack) {
    TempDir dir;
    const std::string path = valueListPath(dir.path());
    const Values values{"Stahl", "", " Größe ", "Name", "5€"};
    ASSERT_EQ(writeValueList(path, values), "");
    EXPECT_EQ(readBytes(path),
              "Stahl\r\n\r\n Gr\xF6\xDF"
              "e \r\nName\r\n5\x80\r\n");
    const ValueListRead read = readValueList(path);
    EXPECT_TRUE(read.ok()) << read.message;
    EXPECT_EQ(read.values, values);
}

TEST(ValueListFile, ReadsLinesByTheFileRules) {
    const struct {
        const char* name;
        std::string bytes;
        Values values;
    } cases[] = {
        {"empty file", "", {}},
        {"last line without a line end", "a\r\nb", {"a", "b"}},
        {"a lone CR ends a line", "a\rb\r\n", {"a", "b"}},
        {"a lone LF stays in the line", "a\nb\r\n", {"a\nb"}},
        {"empty lines are values", "\r\n\r\nx\r\n", {"", "", "x"}},
    };
    TempDir dir;
    const std::string path = valueListPath(dir.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path, c.bytes);
        const ValueListRead read = readValueList(path);
        EXPECT_TRUE(read.ok()) << read.message;
        EXPECT_EQ(read.values, c.values);
    }
}

TEST(ValueListFile, EmptyListGivesAnEmptyFile) {
    TempDir dir;
    const std::string path = valueListPath(dir.path());
    writeBytes(path, "old\r\n");
    ASSERT_EQ(writeValueList(path, {}), "");
    EXPECT_EQ(readBytes(path), "");
}

TEST(ValueListFile, AMissingFileReadsAsNoValuesWithoutAMessage) {
    TempDir dir;
    for (const std::string& directory : {dir.path(), dir.file("missing")}) {
        const ValueListRead read = readValueList(valueListPath(directory));
        EXPECT_TRUE(read.ok()) << read.message;
        EXPECT_TRUE(read.values.empty());
    }
}

TEST(ValueListFile, ADirectoryInPlaceOfTheFileIsReported) {
    TempDir dir;
    const std::string path = valueListPath(dir.path());
    std::filesystem::create_directory(path);
    const ValueListRead read = readValueList(path);
    EXPECT_FALSE(read.ok());
    EXPECT_NE(read.message.find("\"" + path + "\" konnte nicht gelesen werden"), std::string::npos)
        << read.message;
    EXPECT_NE(read.message.find("Is a directory"), std::string::npos);

    const std::string written = writeValueList(path, {"a"});
    EXPECT_NE(written.find("\"" + path + "\" konnte nicht gespeichert werden"), std::string::npos)
        << written;
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(ValueListFile, AMissingProgramDirectoryIsReportedOnSave) {
    TempDir dir;
    const std::string path = valueListPath(dir.file("missing"));
    const std::string message = writeValueList(path, {"a"});
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}

TEST(ValueListFile, AFullDiskLeavesTheOldListIntact) {
    TempDir dir;
    const std::string path = valueListPath(dir.path());
    writeBytes(path, "old\r\n");
    const std::string message = [&] {
        const testing::FileSizeLimit limit(1024);
        return writeValueList(path, Values(1000, "Stahl"));
    }();
    EXPECT_NE(message.find("File too large"), std::string::npos) << message;
    EXPECT_EQ(readBytes(path), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ValueListFile, RefusesAValueWindows1252CannotHold) {
    TempDir dir;
    const std::string path = valueListPath(dir.path());
    const std::string message = writeValueList(path, {"a", "Ωmega"});
    EXPECT_NE(message.find("\"Ωmega\""), std::string::npos) << message;
    EXPECT_NE(message.find(path), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace stapelwerk
