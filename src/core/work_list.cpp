#include "core/work_list.h"

#include <algorithm>

namespace stapelwerk {

WorkEntries::WorkEntries(std::initializer_list<WorkEntry> entries) {
    reserve(entries.size());
    for (const WorkEntry& entry : entries) append(entry.text, entry.selected);
}

void WorkEntries::reserve(std::size_t count, std::size_t bytes) {
    texts_.reserve(count, bytes);
    selected_.reserve(selected_.size() + count);
}

void WorkEntries::append(std::string_view text, bool selected) {
    texts_.append(text);
    selected_.push_back(selected);
}

void WorkEntries::clear() { *this = WorkEntries(); }

void WorkEntries::removeSelected() {
    WorkEntries kept;
    const auto unselected =
        static_cast<std::size_t>(std::count(selected_.begin(), selected_.end(), false));
    kept.reserve(unselected);
    for (const WorkEntryView entry : *this) {
        if (!entry.selected) kept.append(entry.text);
    }
    *this = std::move(kept);
}

WorkEntries unselectedEntries(const std::vector<std::string>& texts) {
    std::size_t bytes = 0;
    for (const std::string& text : texts) bytes += text.size();
    WorkEntries entries;
    entries.reserve(texts.size(), bytes);
    for (const std::string& text : texts) entries.append(text);
    return entries;
}

WorkList::WorkList(WorkEntries entries) { assign(std::move(entries)); }

void WorkList::assign(WorkEntries entries) {
    entries_ = std::move(entries);
    selectedCount_ = static_cast<std::size_t>(
        std::ranges::count_if(entries_, [](const WorkEntryView entry) { return entry.selected; }));
}

void WorkList::append(std::string_view text, bool selected) {
    entries_.append(text, selected);
    if (selected) ++selectedCount_;
}

void WorkList::clear() {
    entries_.clear();
    selectedCount_ = 0;
}

void WorkList::removeSelected() {
    entries_.removeSelected();
    selectedCount_ = 0;
}

void WorkList::setSelected(std::size_t first, std::size_t count, bool selected) {
    for (std::size_t i = first; i < first + count; ++i) {
        if (entries_.selected(i) == selected) continue;
        entries_.setSelected(i, selected);
        if (selected) {
            ++selectedCount_;
        } else {
            --selectedCount_;
        }
    }
}

void WorkList::setAllSelected(bool selected) { setSelected(0, entries_.size(), selected); }

}  // namespace stapelwerk
