#include "worklist/work_entry.h"

namespace stapelwerk {

WorkEntries unselectedEntries(const std::vector<std::string>& texts) {
    WorkEntries entries;
    entries.reserve(texts.size());
    for (const std::string& text : texts) entries.push_back({text, false});
    return entries;
}

}  // namespace stapelwerk
