#include "worklist/confirm.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <string_view>
#include <utility>

#include "core/job.h"
#include "core/texts.h"
#include "platform/trim.h"
#include "platform/utf8.h"
#include "worklist/line_cells.h"

namespace stapelwerk {

namespace {
// Views into the scanned text: a line of many megabytes is not copied for every dot in it.
struct NameAndExtension {
    std::string_view name;
    std::string_view extension;
};

bool isDirectorySeparator(char c) { return c == '\\' || c == '/'; }

NameAndExtension scanFileName(std::string_view s) {
    NameAndExtension result;
    std::size_t afterFirst = 0;
    if (utf8::next(s, afterFirst) && afterFirst < s.size() && s[afterFirst] == ':') {
        s.remove_prefix(afterFirst + 1);  // the drive
    }
    // Only ASCII characters matter here, and in UTF-8 they never occur inside a
    // multi-byte character, so walking bytes walks the right positions.
    for (std::size_t k = s.size(); k-- > 0;) {
        const bool followed = k + 1 < s.size();
        if (s[k] == '.') {
            if (followed) result.extension = s.substr(k);
            s = s.substr(0, k);
        } else if (isDirectorySeparator(s[k]) && followed) {
            result.name = s.substr(k + 1);
            return result;
        }
    }
    result.name = s;
    return result;
}
}  // namespace

std::string baseName(std::string_view path) { return std::string(scanFileName(path).name); }

std::string firstExtension(std::string_view path) {
    return std::string(scanFileName(path).extension);
}

std::string reducedName(std::string_view name) {
    const std::string_view base = scanFileName(trimBlanks(name)).name;
    const std::string_view extension = scanFileName(name).extension;
    // Made at its size: appending the extension to a copied name would double a long one.
    std::string reduced;
    reduced.reserve(base.size() + extension.size());
    reduced.append(base).append(extension);
    return reduced;
}

std::string reducedEntry(std::string_view line) {
    std::string unquoted;
    return reducedName(firstCellView(line, unquoted));
}

// With an open-addressing table of the kept entries' positions: a node a entry, as a hash
// set has, costs more time than the hashing on a million entries, and leaves the heap in
// pieces that stay with the program.
TextList withoutRepeats(const TextList& entries) {
    constexpr std::size_t kFree = std::numeric_limits<std::size_t>::max();
    std::size_t slots = 2;
    while (slots < 2 * entries.size()) slots *= 2;
    std::vector<std::size_t> table(slots, kFree);
    TextList kept;
    kept.reserve(entries.size(), entries.bytes());
    for (const std::string_view entry : entries) {
        if (!entry.empty()) {
            std::size_t slot = std::hash<std::string_view>{}(entry) & (slots - 1);
            while (table[slot] != kFree && kept[table[slot]] != entry) {
                slot = (slot + 1) & (slots - 1);
            }
            if (table[slot] != kFree) continue;  // a repeat
            table[slot] = kept.size();
        }
        kept.append(entry);
    }
    return kept;
}

TextList confirmedEntries(const WorkEntries& workList) {
    TextList reduced;
    reduced.reserve(static_cast<std::size_t>(
        std::ranges::count_if(workList, [](const WorkEntryView entry) { return entry.selected; })));
    for (const WorkEntryView entry : workList) {
        if (entry.selected) reduced.append(reducedEntry(entry.text));
    }
    return withoutRepeats(reduced);
}

Result<std::string> confirmSelection(Job& job) {
    job.confirmedEntries = confirmedEntries(job.workList.entries());
    if (job.confirmedEntries.empty()) return refusal(std::string(texts::kMessageSelectFiles));
    return texts::statusFilesChosen(job.confirmedEntries.size());
}

}  // namespace stapelwerk
