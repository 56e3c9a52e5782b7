#include <gtest/gtest.h>

#include "generate/replace_first.h"

namespace stapelwerk {
namespace {

TEST(replaceFirst, ReplacesOnlyTheFirstExactOccurrence) {
    const struct {
        const char* text;
        const char* find;
        const char* expected;
    } cases[] = {
        {"abcdef", "cd", "abXef"},
        {"abcdef", "xy", "abcdef"},
        {"abcdef", "ef", "abcdX"},
        {"abcdef", "ab", "Xcdef"},
        {"abcdef", "", "Xabcdef"},
        {"", "ab", ""},
        {"", "", ""},
        {"abcdef", "CD", "abcdef"},
        {"abab", "ab", "Xab"},
        {"abcdef", "abcdef", "X"},
        {"ab", "abc", "ab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.find);
        EXPECT_EQ(replaceFirst(c.text, c.find, "X"), c.expected);
    }
}

TEST(replaceFirst, InsertedTextIsNotSearchedAgain) {
    EXPECT_EQ(replaceFirst("aXb", "X", "XX"), "aXXb");
    EXPECT_EQ(replaceFirst("PLOESCH", "PLOESCH", "PLOESCHPLOESCH"), "PLOESCHPLOESCH");
}

}  // namespace
}  // namespace stapelwerk
