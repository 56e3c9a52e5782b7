#include "core/journal_progress.h"

#include <algorithm>
#include <charconv>
#include <system_error>
#include <utility>

#include "core/journal_format.h"

namespace stapelwerk {

namespace {
// A run id of 64 characters, a blank and a number of 20 digits, with room to spare.
constexpr std::size_t kLongestLine = 128;

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The number of an entry, from 1; none for anything else.
std::optional<std::size_t> entryNumber(std::string_view text) {
    std::size_t number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end || text.empty() || number == 0) return std::nullopt;
    return number;
}
}  // namespace

JournalProgress::JournalProgress(std::string runId, std::size_t entryCount)
    : runId_(std::move(runId)), passed_(entryCount, false) {}

void JournalProgress::take(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        if (!overlong_ && partial_.size() + piece.size() <= kLongestLine) {
            partial_.append(piece);
        } else {
            overlong_ = true;
            partial_.clear();
        }
        if (end == std::string_view::npos) return;
        if (!overlong_) takeLine(partial_);
        partial_.clear();
        overlong_ = false;
        bytes.remove_prefix(end + 1);
    }
}

void JournalProgress::takeLine(std::string_view line) {
    line = trimmed(line);
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos || line.substr(0, blank) != runId_) return;
    const std::string_view what = trimmed(line.substr(blank + 1));
    if (what == journal::kStartMark) {
        heard_ = true;
        ended_ = false;
        reached_ = 0;
    } else if (what == journal::kEndMark) {
        heard_ = true;
        ended_ = true;
    } else if (const std::optional<std::size_t> number = entryNumber(what);
               number && *number <= passed_.size()) {
        heard_ = true;
        const std::size_t entry = *number - 1;
        if (!passed_[entry]) ++passedCount_;
        passed_[entry] = true;
        latest_ = entry;
        reached_ = std::max(reached_, *number);
    }
}

}  // namespace stapelwerk
