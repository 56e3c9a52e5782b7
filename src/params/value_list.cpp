#include "params/value_list.h"

namespace stapelwerk {

std::vector<std::string> withoutMarkedAndEmpty(const std::vector<std::string>& values,
                                               std::optional<std::size_t> selected) {
    std::vector<std::string> kept;
    kept.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i != selected && !values[i].empty()) kept.push_back(values[i]);
    }
    return kept;
}

}  // namespace stapelwerk
