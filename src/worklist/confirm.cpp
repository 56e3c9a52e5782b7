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

namespace {
// Takes entries into a list unless an equal non-empty one is there already, with an
// open-addressing table of the kept entries' positions: a node a entry, as a hash set has,
// costs more time than the hashing on a million entries, and leaves the heap in pieces
// that stay with the program.
class KeptOnce {
public:
    explicit KeptOnce(std::size_t most) {
        while (slots_ < 2 * most) slots_ *= 2;
        table_.assign(slots_, kFree);
        kept_.reserve(most);
    }

    void add(std::string&& entry) {
        if (!entry.empty()) {
            std::size_t slot = std::hash<std::string_view>{}(entry) & (slots_ - 1);
            while (table_[slot] != kFree && kept_[table_[slot]] != entry) {
                slot = (slot + 1) & (slots_ - 1);
            }
            if (table_[slot] != kFree) return;  // a repeat
            table_[slot] = kept_.size();
        }
        kept_.appendMoved(std::move(entry));
    }

    TextList kept() { return std::move(kept_); }

private:
    static constexpr std::size_t kFree = std::numeric_limits<std::size_t>::max();
    std::size_t slots_ = 2;
    std::vector<std::size_t> table_;
    TextList kept_;
};
}  // namespace

TextList withoutRepeats(const TextList& entries) {
    KeptOnce once(entries.size());
    for (const std::string_view entry : entries) once.add(std::string(entry));
    return once.kept();
}

TextList confirmedEntries(const WorkEntries& workList) {
    KeptOnce once(static_cast<std::size_t>(
        std::ranges::count_if(workList, [](const WorkEntryView entry) { return entry.selected; })));
    for (const WorkEntryView entry : workList) {
        if (entry.selected) once.add(reducedEntry(entry.text));
    }
    return once.kept();
}

Result<std::string> confirmSelection(Job& job) {
    job.confirmedEntries = confirmedEntries(job.workList.entries());
    if (job.confirmedEntries.empty()) return refusal(std::string(texts::kMessageSelectFiles));
    return texts::statusFilesChosen(job.confirmedEntries.size());
}

}  // namespace stapelwerk
