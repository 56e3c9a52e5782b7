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
        // A PDM export with semicolons: the header "Name" goes by its first cell.
        {"Name;Version\r\nmutter.drw;1\r\n\"Name\";x", {"mutter.drw;1"}},
        // A header row of other words goes when only the rows below name typed files.
        {"Teilenummer\tBenennung\r\nwelle.prt\tWelle\r\nflansch.prt\tFlansch",
         {"welle.prt\tWelle", "flansch.prt\tFlansch"}},
        {"\r\nTeilenummer;Stand\r\n\r\nmutter.drw;1", {"mutter.drw;1"}},
        {"Teilenummer;Stand", {"Teilenummer;Stand"}},
        {"welle;1\r\nTeilenummer;Stand\r\nmutter.drw;1",
         {"welle;1", "Teilenummer;Stand", "mutter.drw;1"}},
        // Two files joined: the second one's byte-order mark goes, wherever it stands.
        {"welle.prt\n\xEF\xBB\xBFName\n\xEF\xBB\xBF\xEF\xBB\xBF"
         "flansch.prt\n\xEF\xBB\xBF",
         {"welle.prt", "flansch.prt"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(pastedLines(c.text), c.lines);
        EXPECT_EQ(pastedEntries(c.text), unselectedEntries(c.lines));
    }
}

TEST(PastedLines, ATextPastTheInputLimitIsTooLarge) {
    for (const std::size_t size : {std::size_t{0}, kMostInputBytes, kMostInputBytes + 1}) {
        EXPECT_EQ(pasteTooLarge(std::string(size, 'x')), size > kMostInputBytes) << size;
    }
}

}  // namespace
}  // namespace stapelwerk
