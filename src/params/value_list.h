#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace stapelwerk {

// "markiertes löschen": the values without the one at `selected` (if any) and
// without every empty value, in their old order.
std::vector<std::string> withoutMarkedAndEmpty(const std::vector<std::string>& values,
                                               std::optional<std::size_t> selected);

}  // namespace stapelwerk
