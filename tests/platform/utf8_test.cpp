#include <gtest/gtest.h>

#include "platform/utf8.h"

namespace stapelwerk {
namespace {

TEST(Utf8, CountsAndDropsCharactersNotBytes) {
    EXPECT_EQ(utf8::length("Größe"), 5u);
    EXPECT_EQ(utf8::length("a😀b"), 3u);
    EXPECT_EQ(utf8::dropLast("Größe.drw", 4), "Größe");
    EXPECT_EQ(utf8::dropLast("ab😀d", 2), "ab");
    EXPECT_EQ(utf8::dropLast("abc", 4), "");
    EXPECT_EQ(utf8::length("\xFF"
                           "a"),
              2u)
        << "a malformed byte counts as one";
}

TEST(Utf8, EncodedLengthIsWhatAppendAdds) {
    for (const char32_t c :
         {U'a', U'\x7F', U'\x80', U'ä', U'\x7FF', U'\x800', U'€', U'\xFFFF', U'\x10000', U'😀'}) {
        std::string text;
        utf8::append(text, c);
        EXPECT_EQ(utf8::encodedLength(c), text.size()) << static_cast<unsigned>(c);
    }
}

TEST(Utf8, UpperCasesEveryLetterWindows1252Holds) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"laenge", "LAENGE"},
        {"länge_öl_über", "LÄNGE_ÖL_ÜBER"},
        {"straße", "STRAßE"},  // ß has no capital of its own in Windows-1252
        {"éèçñåøþ", "ÉÈÇÑÅØÞ"},
        {"šœžÿ", "ŠŒŽŸ"},
        {"a÷b µ 1.2-x", "A÷B µ 1.2-X"},
        {"ÄÖÜ ABC", "ÄÖÜ ABC"},
        {"ωmega", "ωMEGA"},  // outside Windows-1252: left for the refusal to name
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(utf8::toUpper(c.text), c.expected);
    }
    EXPECT_EQ(utf8::toUpper("a\xFF"
                            "b"),
              "A\xFF"
              "B")
        << "a malformed byte is kept";
}

}  // namespace
}  // namespace stapelwerk
