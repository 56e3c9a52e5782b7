#include <gtest/gtest.h>

#include "worklist/wildcard.h"

namespace stapelwerk {
namespace {

TEST(Wildcard, MatchesLikeWindowsFileNamePatterns) {
    const struct {
        const char* name;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"plan.drw", "*.drw*", true},
        {"plan.drw.12", "*.drw*", true},
        {"plan.drwx", "*.drw*", true},
        {"plan.prt", "*.drw*", false},
        {"drw", "*.drw*", false},
        {".drw", "*.drw*", true},
        {"PLAN.DRW.3", "*.drw*", true},  // letter case is ignored
        {"plan.drw", "*.DRW*", true},
        {"Ärger.prt", "ä*", true},  // also beyond ASCII
        {"ŠKODA.prt", "škoda.*", true},
        {"Straße.prt", "STRASSE.prt", false},
        {"a.prt", "?.prt", true},
        {"ab.prt", "?.prt", false},
        {"ä.prt", "?.prt", true},  // "?" is one character, not one byte
        {".prt", "?.prt", false},
        {"welle.prt.2", "*.prt.?", true},
        {"aaa", "*a*a*a*", true},
        {"aa", "*a*a*a*", false},
        {"abcabd", "*abd", true},  // a failed try after "*" goes on further right
        {"anything", "*", true},
        {"", "*", true},
        {"", "", true},
        {"plan.drw", "", false},
        {"plan.drw", "plan.drw", true},
        {"plan.drw", "plan.dr", false},
        {"plan.prt", "*.drw*;*.prt*", true},  // several patterns
        {"plan.asm", "*.drw*;*.prt*", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " / " + c.pattern);
        EXPECT_EQ(matchesWildcard(c.name, c.pattern), c.matches);
    }
}

TEST(Wildcard, AMalformedByteMatchesItselfAndOneQuestionMark) {
    EXPECT_TRUE(matchesWildcard("a\xFF.prt", "a\xFF.prt"));
    EXPECT_TRUE(matchesWildcard("a\xFF.prt", "a?.prt"));
    EXPECT_FALSE(matchesWildcard("a\xFF.prt", "a\xFE.prt"));
    // Read as the character of its value, a Latin-1 capital is that letter in either case.
    EXPECT_TRUE(matchesWildcard("\xC4rger.prt", "\xC3\xA4*"));
    EXPECT_TRUE(matchesWildcard("\xE4rger.prt", "\xC3\x84*"));
}

}  // namespace
}  // namespace stapelwerk
