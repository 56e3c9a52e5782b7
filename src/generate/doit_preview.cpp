#include "generate/doit_preview.h"

#include <algorithm>
#include <cstring>

namespace stapelwerk {

namespace {
char smallAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameIgnoringCase(char a, char b) { return smallAscii(a) == smallAscii(b); }
}  // namespace

DoitLines::DoitLines(std::string_view pendingText) : text_(pendingText) {
    starts_.push_back(0);
    for (const char *found = text_.data(), *end = text_.data() + text_.size();
         (found = static_cast<const char*>(std::memchr(found, '\n', end - found))) != nullptr;) {
        ++found;
        starts_.push_back(static_cast<std::size_t>(found - text_.data()));
    }
}

std::string_view DoitLines::line(std::size_t index) const {
    const std::size_t start = starts_[index];
    std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
    if (end > start && text_[end - 1] == '\n') --end;
    if (end > start && text_[end - 1] == '\r') --end;
    return text_.substr(start, end - start);
}

std::size_t DoitLines::lineOf(std::size_t offset) const {
    return static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), offset) -
                                    starts_.begin()) -
           1;
}

std::optional<std::size_t> DoitLines::find(std::string_view needle, std::size_t from) const {
    if (needle.empty() || from >= count()) return std::nullopt;
    const auto search = [&](std::size_t first, std::size_t last) -> std::optional<std::size_t> {
        const auto begin = text_.begin() + static_cast<std::ptrdiff_t>(first);
        const auto end = text_.begin() + static_cast<std::ptrdiff_t>(last);
        const auto found = std::search(begin, end, needle.begin(), needle.end(), sameIgnoringCase);
        if (found == end) return std::nullopt;
        return lineOf(static_cast<std::size_t>(found - text_.begin()));
    };
    if (const auto onward = search(starts_[from], text_.size())) return onward;
    // From the top again, up to where the first search began (a match may reach into it).
    return search(0, std::min(text_.size(), starts_[from] + needle.size() - 1));
}

std::size_t DoitLines::fileSize() const {
    const std::size_t continuationBytes =
        static_cast<std::size_t>(std::count_if(text_.begin(), text_.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        }));
    return text_.size() - continuationBytes + 2;
}

}  // namespace stapelwerk
