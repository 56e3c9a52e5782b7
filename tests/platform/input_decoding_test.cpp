#include <gtest/gtest.h>

#include "platform/input_decoding.h"

namespace stapelwerk {
namespace {

TEST(InputDecoding, TakesUtf8AsItIsAndAnythingElseAsWindows1252) {
    const struct {
        const char* name;
        std::string bytes;
        std::string text;
    } cases[] = {
        {"plain ASCII", "welle.prt\r\n", "welle.prt\r\n"},
        {"UTF-8", "Größe.prt\n€", "Größe.prt\n€"},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBFGröße.prt", "Größe.prt"},
        {"Windows-1252",
         "Gr\xF6\xDF"
         "e.prt\r\n\x80",
         "Größe.prt\r\n€"},
        {"Windows-1252 after a byte-order mark",
         "\xEF\xBB\xBF"
         "Gr\xF6\xDF"
         "e",
         "Größe"},
        // One stray byte makes the whole text Windows-1252, also its UTF-8-looking parts.
        {"mixed",
         "Gr\xC3\xB6\xC3\x9F"
         "e \xE4",
         "GrÃ¶ÃŸe ä"},
        {"overlong UTF-8", "\xC0\xAF", "À¯"},
        {"a surrogate", "\xED\xA0\x80", "í\xC2\xA0€"},
        {"cut off at the end", "ab\xC3", "abÃ"},
        {"a byte-order mark in the middle stays", "a\xEF\xBB\xBF", "a\xEF\xBB\xBF"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decodeUtf8OrCp1252(c.bytes), c.text);
    }
}

}  // namespace
}  // namespace stapelwerk
