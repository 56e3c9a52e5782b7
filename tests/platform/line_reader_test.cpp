#include <gtest/gtest.h>

#include "platform/line_reader.h"

namespace stapelwerk {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, FilesEndLinesAtCrLfAndLoneCrOnly) {
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb\r\nc", {"a\nb", "c"}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\n", {"\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(splitLines(c.text, LoneLineFeed::staysInLine), c.lines);
        EXPECT_EQ(lineCount(c.text, LoneLineFeed::staysInLine), c.lines.size());
    }
}

TEST(SplitLines, ClipboardTextAlsoEndsLinesAtLf) {
    EXPECT_EQ(splitLines("a\nb\n", LoneLineFeed::endsLine), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\nb\rc\n\nd", LoneLineFeed::endsLine),
              (Lines{"a", "b", "c", "", "d"}));
    EXPECT_EQ(lineCount("a\r\nb\rc\n\nd", LoneLineFeed::endsLine), 5U);
    EXPECT_EQ(lineCount("\n\r\n", LoneLineFeed::endsLine), 2U);
}

TEST(UsualLineEnd, TheKindMostLinesEndWithAndCrLfWhereNoneOrEquallyMany) {
    const struct {
        std::string_view text;
        std::string_view end;
    } cases[] = {
        {"", "\r\n"},          {"one line", "\r\n"},      {"a\nb\n", "\n"},
        {"a\nb", "\n"},        {"a\r\nb\r\n", "\r\n"},    {"a\rb\r", "\r"},
        {"a\r\nb\nc\n", "\n"}, {"a\r\nb\r\nc\n", "\r\n"}, {"a\r\nb\n", "\r\n"},
        {"a\nb\r", "\n"},      {"a\r\r\nb\r", "\r"},      {"\n\r\n\r", "\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(usualLineEnd(c.text), c.end) << ::testing::PrintToString(std::string(c.text));
    }
}

TEST(SplitLines, KeepsBytesThatAreNoText) {
    const std::string line("\xFF\x00\xFE", 3);
    EXPECT_EQ(splitLines(line + "\r\n", LoneLineFeed::staysInLine), Lines{line});
}

}  // namespace
}  // namespace stapelwerk
