#pragma once

#include <string>
#include <vector>

namespace stapelwerk {

// One line of the visible work list with its selection flag.
struct WorkEntry {
    std::string text;
    bool selected = false;

    bool operator==(const WorkEntry&) const = default;
};

using WorkEntries = std::vector<WorkEntry>;

WorkEntries unselectedEntries(const std::vector<std::string>& texts);

}  // namespace stapelwerk
