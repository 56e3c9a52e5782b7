#include "core/text_list.h"

#include <limits>
#include <new>

namespace stapelwerk {

TextList::TextList(std::initializer_list<std::string_view> texts) {
    reserve(texts.size());
    for (const std::string_view text : texts) append(text);
}

TextList::TextList(const std::vector<std::string>& texts) {
    std::size_t total = 0;
    for (const std::string& text : texts) total += text.size();
    reserve(texts.size(), total);
    for (const std::string& text : texts) append(text);
}

void TextList::reserve(std::size_t count, std::size_t bytes) {
    ends_.reserve(ends_.size() + count);
    if (bytes > 0) texts_.reserve(texts_.size() + bytes);
}

void TextList::append(std::string_view text) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max() - texts_.size()) {
        throw std::bad_alloc();
    }
    texts_.append(text);
    ends_.push_back(static_cast<std::uint32_t>(texts_.size()));
}

void TextList::appendMoved(std::string&& text) {
    if (!texts_.empty() || text.size() > std::numeric_limits<std::uint32_t>::max()) {
        append(std::string_view(text));
        return;
    }
    texts_ = std::move(text);
    ends_.push_back(static_cast<std::uint32_t>(texts_.size()));
}

}  // namespace stapelwerk
