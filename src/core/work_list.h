#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/text_list.h"

namespace stapelwerk {

// One line of the visible work list with its selection flag.
struct WorkEntry {
    std::string text;
    bool selected = false;

    bool operator==(const WorkEntry&) const = default;
};

// A line as it lies in the list: valid until the list changes.
struct WorkEntryView {
    std::string_view text;
    bool selected = false;

    bool operator==(const WorkEntryView&) const = default;
};

// The lines of a work list: their texts in one buffer (TextList), their flags in bits.
class WorkEntries {
public:
    using Iterator = PositionIterator<WorkEntries, WorkEntryView>;

    WorkEntries() = default;
    WorkEntries(std::initializer_list<WorkEntry> entries);

    std::size_t size() const { return texts_.size(); }
    bool empty() const { return texts_.empty(); }
    std::string_view text(std::size_t i) const { return texts_[i]; }
    bool selected(std::size_t i) const { return selected_[i]; }
    WorkEntryView operator[](std::size_t i) const { return {text(i), selected(i)}; }
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

    // Room for `count` more entries; `bytes` of text among them, where known.
    void reserve(std::size_t count, std::size_t bytes = 0);
    void append(std::string_view text, bool selected = false);
    void setSelected(std::size_t i, bool selected) { selected_[i] = selected; }
    void clear();
    // Removes the selected entries; the others keep their order.
    void removeSelected();
    // Lets `change` edit the text of every entry in turn; the flags stay.
    template <typename Change>
    void changeTexts(Change change) {
        WorkEntries changed;
        changed.reserve(size(), texts_.bytes());
        std::string edited;
        for (std::size_t i = 0; i < size(); ++i) {
            edited.assign(text(i));
            change(edited);
            changed.append(edited, selected(i));
        }
        *this = std::move(changed);
    }

    bool operator==(const WorkEntries&) const = default;

private:
    TextList texts_;
    std::vector<bool> selected_;
};

WorkEntries unselectedEntries(const std::vector<std::string>& texts);

// The list of file names the user collects, in the order they came, each with its
// selection flag. It keeps the number of selected entries, so that asking for it never
// walks the list.
class WorkList {
public:
    WorkList() = default;
    explicit WorkList(WorkEntries entries);

    const WorkEntries& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    std::size_t selectedCount() const { return selectedCount_; }

    void assign(WorkEntries entries);
    // Adds an entry at the end.
    void append(std::string_view text, bool selected = false);
    void clear();
    // Removes the selected entries; the others keep their order.
    void removeSelected();

    // Sets the flag of the `count` entries from `first` on; the range must lie inside the list.
    void setSelected(std::size_t first, std::size_t count, bool selected);
    void setAllSelected(bool selected);

    // Lets `change` edit the text of every entry in turn; the flags stay.
    template <typename Change>
    void changeTexts(Change change) {
        entries_.changeTexts(change);
    }

private:
    WorkEntries entries_;
    std::size_t selectedCount_ = 0;
};

}  // namespace stapelwerk
