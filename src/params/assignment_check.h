#pragma once

#include <cstddef>
#include <string_view>

namespace stapelwerk {

// The verdict on the part list and the value list before an assignment is built:
// one value for every part, matched by position.
struct AssignmentCheck {
    std::string_view message;    // empty when the counts agree
    bool showValueMenu = false;  // no values at all: open the menu to enter some
    bool ok() const { return message.empty(); }
};

AssignmentCheck checkAssignment(std::size_t partCount, std::size_t valueCount);

}  // namespace stapelwerk
