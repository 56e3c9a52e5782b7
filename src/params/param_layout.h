#pragma once

// How the parameter list dialog grows with its window. All sizes in twips.
namespace stapelwerk {

inline constexpr int kParamMinOuterWidth = 5880;
inline constexpr int kParamMinOuterHeight = 6000;

struct ParamLayout {
    int outerWidth;  // the size after the minimum has been applied
    int outerHeight;
    int okTop;           // top of `cmd_ok`
    int listHeight;      // height of `list_part` and `list_param`
    int valueListWidth;  // width of `list_param`; `list_part` keeps its width
};

// The layout for an outer window size; a width or height below the minimum is
// raised to it first, each on its own, so every size stays positive.
ParamLayout paramLayout(int outerWidth, int outerHeight);

}  // namespace stapelwerk
