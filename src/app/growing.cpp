#include "app/growing.h"

namespace stapelwerk {

std::vector<int> growingWidths(int target, int step) {
    std::vector<int> widths;
    if (step <= 0) return widths;
    for (int width = 0; width < target;) {
        width += step;
        widths.push_back(width);
    }
    return widths;
}

}  // namespace stapelwerk
