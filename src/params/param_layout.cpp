#include "params/param_layout.h"

#include <algorithm>

namespace stapelwerk {

ParamLayout paramLayout(int outerWidth, int outerHeight) {
    const int width = std::max(outerWidth, kParamMinOuterWidth);
    const int height = std::max(outerHeight, kParamMinOuterHeight);
    const int dW = width - 5880;
    const int dH = height - 9495;
    return {width, height, 8370 + dH, 6885 + dH, 2700 + dW};
}

}  // namespace stapelwerk
