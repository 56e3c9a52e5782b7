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
        // "Unicode text": UTF-16 after its mark, in either byte order.
        {"UTF-16 little endian", std::string("\xFF\xFEG\0r\0\xF6\0\xDF\0\t\0\xAC\x20", 14),
         "Größ\t€"},
        {"UTF-16 big endian", std::string("\xFE\xFF\0a\xD8\x3D\xDE\x00", 8), "a😀"},
        {"UTF-16 lone surrogate and odd byte",
         std::string("\xFF\xFE\x00\xDC"
                     "a",
                     5),
         "\uFFFD\uFFFD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decodeUtf8OrCp1252(c.bytes), c.text);
    }
}

}  // namespace
}  // namespace stapelwerk
