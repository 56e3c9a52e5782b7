#include <gtest/gtest.h>

#include "generate/doit_preview.h"

namespace stapelwerk {
namespace {

TEST(DoitLines, ShowsTheFileLineByLineEndingInTheWritersEmptyLine) {
    const DoitLines lines("mapkey doit ~ ;\\\r\nGröße.prt\r\nmapkey(continued) ~ ;\r\n");
    ASSERT_EQ(lines.count(), 4u);
    EXPECT_EQ(lines.line(0), "mapkey doit ~ ;\\");
    EXPECT_EQ(lines.line(1), "Größe.prt");
    EXPECT_EQ(lines.line(2), "mapkey(continued) ~ ;");
    EXPECT_EQ(lines.line(3), "");
    EXPECT_EQ(lines.fileSize(), 18u + 11u + 23u + 2u) << "one byte a character, and CR LF";
}

TEST(DoitLines, FindsFromALineOnwardAndWrapsRound) {
    const DoitLines lines("Welle.prt\r\nflansch.drw\r\nwelle.drw\r\n");
    const struct {
        const char* needle;
        std::size_t from;
        std::optional<std::size_t> found;
    } cases[] = {
        {"WELLE", 0, 0},   {"welle", 1, 2}, {"welle", 3, 0},     {"lle.p", 1, 0},    {".drw", 2, 2},
        {"nichts", 0, {}}, {"", 0, {}},     {"prt\r\nfl", 0, 0}, {"flansch", 9, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.needle) + " from " + std::to_string(c.from));
        EXPECT_EQ(lines.find(c.needle, c.from), c.found);
    }
}

}  // namespace
}  // namespace stapelwerk
