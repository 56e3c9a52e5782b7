#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace stapelwerk {

// An iterator over a list whose items are made on asking: `List::operator[]` gives them
// by value.
template <typename List, typename Item>
class PositionIterator {
public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = Item;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = Item;

    PositionIterator() = default;
    PositionIterator(const List* list, std::size_t at) : list_(list), at_(at) {}
    Item operator*() const { return (*list_)[at_]; }
    Item operator[](difference_type n) const { return *(*this + n); }
    PositionIterator& operator++() { return *this += 1; }
    PositionIterator operator++(int) { return std::exchange(*this, *this + 1); }
    PositionIterator& operator--() { return *this -= 1; }
    PositionIterator operator--(int) { return std::exchange(*this, *this - 1); }
    PositionIterator& operator+=(difference_type n) {
        at_ = static_cast<std::size_t>(static_cast<difference_type>(at_) + n);
        return *this;
    }
    PositionIterator& operator-=(difference_type n) { return *this += -n; }
    friend PositionIterator operator+(PositionIterator i, difference_type n) { return i += n; }
    friend PositionIterator operator+(difference_type n, PositionIterator i) { return i += n; }
    friend PositionIterator operator-(PositionIterator i, difference_type n) { return i -= n; }
    friend difference_type operator-(PositionIterator a, PositionIterator b) {
        return static_cast<difference_type>(a.at_) - static_cast<difference_type>(b.at_);
    }
    bool operator==(const PositionIterator& other) const { return at_ == other.at_; }
    auto operator<=>(const PositionIterator& other) const { return at_ <=> other.at_; }

private:
    const List* list_ = nullptr;
    std::size_t at_ = 0;
};

// Texts one after another in one buffer: a million names take little more than their
// bytes, where a string each would take 32 bytes and a block of the heap besides.
class TextList {
public:
    using Iterator = PositionIterator<TextList, std::string_view>;

    TextList() = default;
    TextList(const TextList&) = default;
    TextList(TextList&&) noexcept = default;
    TextList& operator=(const TextList&) = default;
    // Swapped rather than moved: a string moved onto keeps its own buffer when the other's is
    // short, and a list replaced by an empty one would keep all its bytes.
    TextList& operator=(TextList&& other) noexcept {
        texts_.swap(other.texts_);
        ends_.swap(other.ends_);
        return *this;
    }
    ~TextList() = default;
    TextList(std::initializer_list<std::string_view> texts);
    // NOLINTNEXTLINE(google-explicit-constructor): lists of strings stand in for it freely.
    TextList(const std::vector<std::string>& texts);

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view operator[](std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(texts_).substr(begin, ends_[i] - begin);
    }
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }
    // All texts' bytes together.
    std::size_t bytes() const { return texts_.size(); }

    // Room for `count` more texts; `bytes` more bytes among them, where known.
    void reserve(std::size_t count, std::size_t bytes = 0);
    // Adds a text at the end. Throws std::bad_alloc past 4 GiB of text, which no list the
    // program holds comes near: its doit.pro would be a hundred times that.
    void append(std::string_view text);
    // The same; the first text becomes the buffer itself, so that a list of one giant line
    // is not held twice while it is taken over.
    void appendMoved(std::string&& text);

    friend bool operator==(const TextList&, const TextList&) = default;

private:
    std::string texts_;
    std::vector<std::uint32_t> ends_;  // where each text ends in texts_
};

}  // namespace stapelwerk
