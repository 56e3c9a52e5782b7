#include <gtest/gtest.h>

#include "core/journal_progress.h"

namespace stapelwerk {
namespace {

// The passed entries as a row of 0 and 1.
std::string passedOf(const JournalProgress& journal, std::size_t entries) {
    std::string row;
    for (std::size_t e = 0; e < entries; ++e) row += journal.passed(e) ? '1' : '0';
    return row;
}

TEST(JournalProgress, TakesTheLinesOfItsRunAsEitherShellEndsThem) {
    JournalProgress journal("AB12", 4);
    journal.take("AB12 start\r\nAB12 1\r\nZZ99 2\nAB12 2\n AB12 4 \r\nAB12 5\nAB12 0\nAB12\n");
    EXPECT_TRUE(journal.heard());
    EXPECT_FALSE(journal.ended());
    EXPECT_EQ(passedOf(journal, 4), "1101");
    EXPECT_EQ(journal.passedCount(), 3u);
    EXPECT_EQ(journal.latest(), 3u);
    EXPECT_EQ(journal.reached(), 4u);
}

TEST(JournalProgress, ALineCountsOnceItsEndHasCome) {
    JournalProgress journal("AB12", 12);
    for (const std::string_view piece : {"AB", "12 1", "1\r", "\nAB12 e", "nde"})
        journal.take(piece);
    EXPECT_EQ(journal.latest(), 10u);
    EXPECT_FALSE(journal.ended()) << "the end mark has no line end yet";
    journal.take("\n");
    EXPECT_TRUE(journal.ended());
}

TEST(JournalProgress, ARunStartedAgainReachesAnewAndKeepsWhatWasPassed) {
    JournalProgress journal("AB12", 5);
    journal.take("AB12 start\nAB12 1\nAB12 2\nAB12 3\nAB12 4\nAB12 5\nAB12 ende\n");
    EXPECT_TRUE(journal.ended());
    journal.take("AB12 start\nAB12 1\n");
    EXPECT_FALSE(journal.ended());
    EXPECT_EQ(journal.reached(), 1u);
    EXPECT_EQ(journal.latest(), 0u) << "the later line counts";
    EXPECT_EQ(journal.passedCount(), 5u);
}

TEST(JournalProgress, PassesOverWhatIsNoneOfItsLines) {
    JournalProgress journal("AB12", 3);
    journal.take(std::string(1000, 'x') + " AB12 1\nAB12 +2\nAB12 2x\nAB12 3\n\n\n");
    EXPECT_EQ(passedOf(journal, 3), "001");
    JournalProgress silent("AB12", 3);
    silent.take("AB123 1\nAB1 2\nab12 3\n");
    EXPECT_FALSE(silent.heard());
}

}  // namespace
}  // namespace stapelwerk
