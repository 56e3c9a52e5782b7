#include <gtest/gtest.h>

#include "generate/replace_first.h"

namespace stapelwerk {
namespace {

TEST(ReplaceFirst, ReplacesOnlyTheFirstExactOccurrence) {
    const struct {
        const char* text;
        const char* find;
        const char* expected;
    } cases[] = {
        {"abcdef", "cd", "abXef"},   {"abcdef", "xy", "abcdef"}, {"abcdef", "ef", "abcdX"},
        {"abcdef", "ab", "Xcdef"},   {"abcdef", "", "Xabcdef"},  {"", "ab", ""},
        {"", "", ""},                {"abcdef", "CD", "abcdef"}, {"abab", "ab", "Xab"},
        {"abcdef", "abcdef", "X"},   {"ab", "abc", "ab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.find);
        EXPECT_EQ(ReplaceFirst(c.text, c.find, "X"), c.expected);
    }
}

TEST(ReplaceFirst, InsertedTextIsNotSearchedAgain) {
    EXPECT_EQ(ReplaceFirst("aXb", "X", "XX"), "aXXb");
    EXPECT_EQ(ReplaceFirst("PLOESCH", "PLOESCH", "PLOESCHPLOESCH"), "PLOESCHPLOESCH");
}

}  // namespace
}  // namespace stapelwerk
