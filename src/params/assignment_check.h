#pragma once

#include <cstddef>

#include "platform/result.h"

namespace stapelwerk {

// The verdict on the part list and the value list before an assignment is built:
// one value for every part, matched by position.
Result<> checkAssignment(std::size_t partCount, std::size_t valueCount);

// Whether checkAssignment refuses for want of any value, where the parameter dialog opens
// its menu so that the user can enter some.
bool lacksEveryValue(std::size_t partCount, std::size_t valueCount);

}  // namespace stapelwerk
