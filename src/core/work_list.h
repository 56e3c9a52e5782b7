#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// The lines of a work list, their texts one after another in one buffer: a million names
// take little more than their bytes, and each kept undo state as little.
class WorkEntries {
public:
    class Iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = WorkEntryView;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = WorkEntryView;

        Iterator() = default;
        Iterator(const WorkEntries* entries, std::size_t at) : entries_(entries), at_(at) {}
        WorkEntryView operator*() const { return (*entries_)[at_]; }
        WorkEntryView operator[](difference_type n) const { return *(*this + n); }
        Iterator& operator++() { return *this += 1; }
        Iterator operator++(int) { return std::exchange(*this, *this + 1); }
        Iterator& operator--() { return *this -= 1; }
        Iterator operator--(int) { return std::exchange(*this, *this - 1); }
        Iterator& operator+=(difference_type n) {
            at_ = static_cast<std::size_t>(static_cast<difference_type>(at_) + n);
            return *this;
        }
        Iterator& operator-=(difference_type n) { return *this += -n; }
        friend Iterator operator+(Iterator i, difference_type n) { return i += n; }
        friend Iterator operator+(difference_type n, Iterator i) { return i += n; }
        friend Iterator operator-(Iterator i, difference_type n) { return i -= n; }
        friend difference_type operator-(Iterator a, Iterator b) {
            return static_cast<difference_type>(a.at_) - static_cast<difference_type>(b.at_);
        }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }
        auto operator<=>(const Iterator& other) const { return at_ <=> other.at_; }

    private:
        const WorkEntries* entries_ = nullptr;
        std::size_t at_ = 0;
    };

    WorkEntries() = default;
    WorkEntries(std::initializer_list<WorkEntry> entries);

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view text(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(texts_).substr(begin, ends_[i] - begin);
    }
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
        changed.reserve(size(), texts_.size());
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
    std::string texts_;
    std::vector<std::size_t> ends_;  // where each entry's text ends in texts_
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
