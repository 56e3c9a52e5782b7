#include <algorithm>
#include <charconv>

#include "core/journal_progress.h"
#include "fuzz_checks.h"

namespace stapelwerk::fuzz {

namespace {
constexpr std::size_t kEntries = 50;

bool sameProgress(const JournalProgress& a, const JournalProgress& b) {
    for (std::size_t e = 0; e < kEntries; ++e) {
        if (a.passed(e) != b.passed(e)) return false;
    }
    return a.heard() == b.heard() && a.ended() == b.ended() && a.latest() == b.latest() &&
           a.reached() == b.reached() && a.passedCount() == b.passedCount();
}

// The entries of the lines "AB12 N", as a plain walk over the lines finds them: a line ends
// at LF, and one longer than 128 bytes is none of the journal's.
std::vector<bool> passedByLines(std::string_view input) {
    std::vector<bool> passed(kEntries, false);
    for (std::size_t end = input.find('\n'); end != std::string_view::npos;
         input.remove_prefix(end + 1), end = input.find('\n')) {
        std::string_view line = input.substr(0, end);
        if (line.size() > 128) continue;
        const auto trim = [](std::string_view text) {
            const std::size_t first = text.find_first_not_of(" \t\r");
            if (first == std::string_view::npos) return std::string_view();
            return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
        };
        line = trim(line);
        if (!line.starts_with("AB12 ")) continue;
        line = trim(line.substr(5));
        std::size_t number = 0;
        const auto [stop, error] = std::from_chars(line.data(), line.data() + line.size(), number);
        if (error == std::errc() && stop == line.data() + line.size() && !line.empty() &&
            number >= 1 && number <= kEntries) {
            passed[number - 1] = true;
        }
    }
    return passed;
}
}  // namespace

// Input: the bytes of a journal. Read whole or in pieces of any size, it tells the same; it
// passes the entries that its lines of the run "AB12" name, and no other; the latest entry
// is a passed one and the run reaches no further than its entries.
std::string checkJournal(std::string_view input) {
    JournalProgress whole("AB12", kEntries);
    whole.take(input);
    const std::size_t piece = input.empty() ? 1 : static_cast<unsigned char>(input[0]) % 7 + 1;
    JournalProgress pieces("AB12", kEntries);
    for (std::size_t at = 0; at < input.size(); at += piece) pieces.take(input.substr(at, piece));
    if (!sameProgress(whole, pieces)) return "read in pieces, the journal tells otherwise";
    const std::vector<bool> passed = passedByLines(input);
    for (std::size_t e = 0; e < kEntries; ++e) {
        if (whole.passed(e) != passed[e]) return "an entry's line is taken otherwise";
    }
    if (whole.passedCount() !=
        static_cast<std::size_t>(std::count(passed.begin(), passed.end(), true)))
        return "the count of passed entries is wrong";
    if (whole.latest() && !whole.passed(*whole.latest())) return "the latest entry was not passed";
    if (whole.reached() > kEntries) return "the run reaches past its entries";
    return {};
}

}  // namespace stapelwerk::fuzz
