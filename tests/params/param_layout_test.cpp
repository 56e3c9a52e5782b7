#include <gtest/gtest.h>

#include "params/param_layout.h"

namespace stapelwerk {
namespace {

TEST(ParamLayout, GrowsTheListsAndMovesOkWithTheWindow) {
    const struct {
        int width, height;
        ParamLayout expected;
    } cases[] = {
        // At the minimum the lists are 3390 high and ok stands at 4875.
        {5880, 6000, {5880, 6000, 4875, 3390, 2700}},
        {5880, 9495, {5880, 9495, 8370, 6885, 2700}},
        {7000, 8000, {7000, 8000, 6875, 5390, 3820}},
        // Each dimension is raised to its minimum on its own.
        {1000, 8000, {5880, 8000, 6875, 5390, 2700}},
        {7000, 100, {7000, 6000, 4875, 3390, 3820}},
        {0, 0, {5880, 6000, 4875, 3390, 2700}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const ParamLayout layout = paramLayout(c.width, c.height);
        EXPECT_EQ(layout.outerWidth, c.expected.outerWidth);
        EXPECT_EQ(layout.outerHeight, c.expected.outerHeight);
        EXPECT_EQ(layout.okTop, c.expected.okTop);
        EXPECT_EQ(layout.listHeight, c.expected.listHeight);
        EXPECT_EQ(layout.valueListWidth, c.expected.valueListWidth);
    }
}

}  // namespace
}  // namespace stapelwerk
