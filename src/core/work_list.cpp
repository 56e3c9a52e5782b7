#include "core/work_list.h"

#include <algorithm>

namespace stapelwerk {

WorkEntries unselectedEntries(std::vector<std::string> texts) {
    WorkEntries entries;
    entries.reserve(texts.size());
    for (std::string& text : texts) entries.push_back({std::move(text), false});
    return entries;
}

WorkList::WorkList(WorkEntries entries) { assign(std::move(entries)); }

void WorkList::assign(WorkEntries entries) {
    entries_ = std::move(entries);
    selectedCount_ = static_cast<std::size_t>(std::count_if(
        entries_.begin(), entries_.end(), [](const WorkEntry& entry) { return entry.selected; }));
}

void WorkList::append(std::string text, bool selected) {
    entries_.push_back({std::move(text), selected});
    if (selected) ++selectedCount_;
}

void WorkList::clear() {
    entries_.clear();
    selectedCount_ = 0;
}

void WorkList::removeSelected() {
    std::erase_if(entries_, [](const WorkEntry& entry) { return entry.selected; });
    selectedCount_ = 0;
}

void WorkList::setSelected(std::size_t first, std::size_t count, bool selected) {
    for (std::size_t i = first; i < first + count; ++i) {
        if (entries_[i].selected == selected) continue;
        entries_[i].selected = selected;
        if (selected) {
            ++selectedCount_;
        } else {
            --selectedCount_;
        }
    }
}

void WorkList::setAllSelected(bool selected) { setSelected(0, entries_.size(), selected); }

}  // namespace stapelwerk
