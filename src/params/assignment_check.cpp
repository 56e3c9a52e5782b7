#include "params/assignment_check.h"

#include "core/texts.h"

namespace stapelwerk {

AssignmentCheck checkAssignment(std::size_t partCount, std::size_t valueCount) {
    if (partCount == valueCount) return {};
    if (valueCount == 0) return {texts::kMessageNoParameterValues, true};
    return {texts::kMessageListsDiffer, false};
}

}  // namespace stapelwerk
