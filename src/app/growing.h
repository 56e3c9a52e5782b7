#pragma once

#include <vector>

namespace stapelwerk {

inline constexpr int kGrowingStepTwips = 150;

// The widths, in twips, that the info dialog takes one after the other while it grows
// from nothing to `target`: whole steps, ending at the first width that is not less than
// the target (so at most one step short of target + step). Empty for a target of 0 or less.
std::vector<int> growingWidths(int target, int step = kGrowingStepTwips);

}  // namespace stapelwerk
