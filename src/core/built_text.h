#pragma once

#include <string>

namespace stapelwerk {

// A built doit text (or a piece of one), or the message that refuses the build
// (then `text` is empty).
struct BuiltText {
    std::string text;
    std::string refusal;
    bool ok() const { return refusal.empty(); }
};

}  // namespace stapelwerk
