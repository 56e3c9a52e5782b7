#include "params/assignment_check.h"

#include <string>

#include "core/texts.h"

namespace stapelwerk {

Result<> checkAssignment(std::size_t partCount, std::size_t valueCount) {
    if (partCount == valueCount) return {};
    if (lacksEveryValue(partCount, valueCount)) {
        return refusal(std::string(texts::kMessageNoParameterValues));
    }
    return refusal(std::string(texts::kMessageListsDiffer));
}

bool lacksEveryValue(std::size_t partCount, std::size_t valueCount) {
    return valueCount == 0 && partCount != 0;
}

}  // namespace stapelwerk
