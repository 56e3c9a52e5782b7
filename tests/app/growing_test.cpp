#include <gtest/gtest.h>

#include "app/growing.h"

namespace stapelwerk {
namespace {

TEST(Growing, StopsAtTheFirstWidthNotLessThanTheTarget) {
    for (const int target : {1, 149, 150, 151, 6000, 6270, 6299, 6300, 6301}) {
        const std::vector<int> widths = growingWidths(target);
        ASSERT_FALSE(widths.empty()) << target;
        EXPECT_GE(widths.back(), target);
        EXPECT_LT(widths.back(), target + kGrowingStepTwips);
        for (std::size_t i = 0; i < widths.size(); ++i) {
            EXPECT_EQ(widths[i], static_cast<int>(i + 1) * kGrowingStepTwips) << target;
        }
    }
}

TEST(Growing, InfoDialogWidthTakesFortyTwoSteps) {
    const std::vector<int> widths = growingWidths(6270);
    EXPECT_EQ(widths.size(), 42u);
    EXPECT_EQ(widths.back(), 6300);
}

TEST(Growing, NothingToGrowForNoWidth) {
    EXPECT_TRUE(growingWidths(0).empty());
    EXPECT_TRUE(growingWidths(-150).empty());
    EXPECT_TRUE(growingWidths(6270, 0).empty()) << "a step of nothing would never end";
}

}  // namespace
}  // namespace stapelwerk
