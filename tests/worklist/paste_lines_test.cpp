#include <gtest/gtest.h>

#include "platform/input_limit.h"
#include "worklist/paste_lines.h"

namespace stapelwerk {
namespace {

using Lines = std::vector<std::string>;

TEST(PastedLines, FollowTheLineRulesOfTheClipboard) {
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"Name\r\nplan.drw.2\r\nwelle.prt", {"plan.drw.2", "welle.prt"}},
        {"name\r\nName \r\nName", {"name", "Name "}},
        {"a\r\n\r\n\r\nb\r\n", {"a", "b"}},
        {"   \r\n\tx", {"   ", "\tx"}},
        {"a\nb\nc\n", {"a", "b", "c"}},
        {"a\rb", {"a", "b"}},
        {"a\r\na\r\n", {"a", "a"}},
        {"", {}},
        // Two columns from a spreadsheet: the header row goes, the rows stay whole.
        {"Name\tBenennung\r\nwelle.prt\tWelle 20\nName\t", {"welle.prt\tWelle 20"}},
        {"name\tx\r\nName \tx\r\n\tName", {"name\tx", "Name \tx", "\tName"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(pastedLines(c.text), c.lines);
    }
}

TEST(PastedLines, ATextPastTheInputLimitIsTooLarge) {
    for (const std::size_t size : {std::size_t{0}, kMostInputBytes, kMostInputBytes + 1}) {
        EXPECT_EQ(pasteTooLarge(std::string(size, 'x')), size > kMostInputBytes) << size;
    }
}

}  // namespace
}  // namespace stapelwerk
