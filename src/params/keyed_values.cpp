#include "params/keyed_values.h"

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <utility>

#include "core/texts.h"
#include "platform/case_fold.h"
#include "platform/input_decoding.h"
#include "platform/trim.h"
#include "worklist/confirm.h"
#include "worklist/line_cells.h"

namespace stapelwerk {

namespace {
constexpr std::size_t kPairsShown = 5;
// Names under each heading of the question; with three headings and the pairs, the box
// still fits a screen of 768 pixels.
constexpr std::size_t kNamesShown = 8;

template <typename Lines>
bool twoColumns(const Lines& lines) {
    bool anyLine = false;
    bool every = true;
    eachLineOf(lines, [&](std::string_view line) {
        line = withoutByteOrderMarks(line);
        if (line.empty() || !every) return;
        if (!hasSeveralCells(line)) every = false;
        anyLine = true;
    });
    return anyLine && every;
}

// The cells of every row of the list (forEachListRow), trimmed.
template <typename Lines, typename Cells>
void eachKeyedLine(const Lines& lines, Cells cells) {
    forEachListRow(lines, [&cells](std::string_view row) {
        const KeyedValue split = splitKeyedLine(row);
        cells(trimBlanks(split.name), trimBlanks(split.value));
    });
}

// Lines taken in one by one, of which only the first of each name is kept: a list that
// names a million parts many times over costs what its names cost, not what its lines do.
class NamePairing {
public:
    void add(std::string_view name, std::string_view value) {
        const auto [found, added] =
            firstLineOf_.try_emplace(foldedCaseUtf8(reducedName(name)), firstLines_.size());
        if (added) {
            firstLines_.push_back({std::string(name), std::string(value)});
        } else if (firstLines_[found->second].value != value) {
            firstLines_[found->second].contradicted = true;
        }
    }

    KeyedPairing pair(const TextList& entries) {
        // Per name without extension, the one part that has it, or none when several do.
        std::unordered_map<std::string, std::optional<std::string>> partOfStem;
        for (const std::string_view entry : entries) {
            if (firstExtension(entry).empty()) continue;
            std::string part = foldedCaseUtf8(entry);
            const auto [found, added] =
                partOfStem.try_emplace(foldedCaseUtf8(baseName(entry)), part);
            if (!added && found->second != part) found->second.reset();
        }

        KeyedPairing pairing;
        pairing.values.reserve(entries.size());
        for (const std::string_view entry : entries) {
            auto found = firstLineOf_.find(foldedCaseUtf8(entry));
            if (found == firstLineOf_.end() && !firstExtension(entry).empty()) {
                const std::string stem = foldedCaseUtf8(baseName(entry));
                found = firstLineOf_.find(stem);
                if (found != firstLineOf_.end() && !partOfStem[stem]) {
                    firstLines_[found->second].ambiguous = true;
                    found = firstLineOf_.end();
                }
            }
            if (found == firstLineOf_.end()) {
                pairing.values.emplace_back();
                pairing.entriesWithoutValue.emplace_back(entry);
            } else {
                FirstLine& line = firstLines_[found->second];
                pairing.values.emplace_back(line.value);
                line.used = true;
            }
        }
        for (const FirstLine& line : firstLines_) {
            if (line.ambiguous) {
                pairing.ambiguousNames.emplace_back(line.name);
            } else if (!line.used) {
                pairing.unmatchedNames.emplace_back(line.name);
            }
            if (line.contradicted) pairing.conflictingNames.emplace_back(line.name);
        }
        return pairing;
    }

private:
    struct FirstLine {
        std::string name;
        std::string value;
        // Whether a later line of its name gives another value, whether an entry took its
        // value, and whether several parts have its name.
        bool contradicted = false;
        bool used = false;
        bool ambiguous = false;
    };
    std::vector<FirstLine> firstLines_;
    std::unordered_map<std::string, std::size_t> firstLineOf_;
};
}  // namespace

bool isTwoColumnList(const std::vector<std::string>& lines) { return twoColumns(lines); }

bool isTwoColumnText(std::string_view text) { return twoColumns(text); }

KeyedValue splitKeyedLine(std::string_view line) { return {firstCell(line), secondCell(line)}; }

std::vector<KeyedValue> parseKeyedValues(const std::vector<std::string>& lines) {
    std::vector<KeyedValue> keyed;
    keyed.reserve(lines.size());
    eachKeyedLine(lines, [&keyed](std::string_view name, std::string_view value) {
        keyed.push_back({std::string(name), std::string(value)});
    });
    return keyed;
}

KeyedPairing pairByName(const TextList& entries, const std::vector<KeyedValue>& keyed) {
    NamePairing pairing;
    for (const KeyedValue& line : keyed) pairing.add(line.name, line.value);
    return pairing.pair(entries);
}

KeyedPairing pairKeyedText(const TextList& entries, std::string_view text) {
    NamePairing pairing;
    eachKeyedLine(text, [&pairing](std::string_view name, std::string_view value) {
        pairing.add(name, value);
    });
    return pairing.pair(entries);
}

std::string firstPairs(const TextList& entries, const KeyedPairing& pairing) {
    std::vector<std::string> shown;
    std::vector<std::string> values;
    std::size_t withValue = 0;
    for (std::size_t i = 0; i < entries.size() && i < pairing.values.size(); ++i) {
        if (pairing.values[i].empty()) continue;
        if (++withValue > kPairsShown) continue;
        shown.emplace_back(entries[i]);
        values.push_back(pairing.values[i]);
    }
    if (shown.empty()) return {};
    return texts::valuesOfParts(shown, values, withValue - shown.size());
}

std::string keyedGapsQuestion(const TextList& entries, const KeyedPairing& pairing) {
    std::string question;
    if (std::string pairs = firstPairs(entries, pairing); !pairs.empty()) question = pairs + "\n\n";
    const auto list = [&question](std::string_view heading, const std::vector<std::string>& names) {
        if (!names.empty()) {
            question += texts::namesUnderHeading(heading, names, kNamesShown) + "\n\n";
        }
    };
    list(texts::kHeadingEntriesWithoutValue, pairing.entriesWithoutValue);
    list(texts::kHeadingNamesWithoutEntry, pairing.unmatchedNames);
    list(texts::kHeadingAmbiguousNames, pairing.ambiguousNames);
    return question + std::string(texts::kQuestionBuildWithGaps);
}

std::string keyedConflictMessage(const KeyedPairing& pairing) {
    return texts::namesUnderHeading(texts::kHeadingConflictingNames, pairing.conflictingNames,
                                    kNamesShown) +
           "\n" + std::string(texts::kMessageKeyedValuesRefused);
}

}  // namespace stapelwerk
