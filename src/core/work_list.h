#pragma once

#include <cstddef>
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

WorkEntries unselectedEntries(std::vector<std::string> texts);

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
    void append(std::string text, bool selected = false);
    void clear();
    // Removes the selected entries; the others keep their order.
    void removeSelected();

    // Sets the flag of the `count` entries from `first` on; the range must lie inside the list.
    void setSelected(std::size_t first, std::size_t count, bool selected);
    void setAllSelected(bool selected);

    // Lets `change` edit the text of every entry in turn; the flags stay.
    template <typename Change>
    void changeTexts(Change change) {
        for (WorkEntry& entry : entries_) change(entry.text);
    }

private:
    WorkEntries entries_;
    std::size_t selectedCount_ = 0;
};

}  // namespace stapelwerk
