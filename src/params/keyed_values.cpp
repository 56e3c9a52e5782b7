#include "params/keyed_values.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <unordered_map>
#include <utility>

#include "core/texts.h"
#include "platform/case_fold.h"
#include "platform/line_reader.h"
#include "platform/trim.h"
#include "worklist/confirm.h"

namespace stapelwerk {

namespace {
constexpr char kTab = '\t';
constexpr char kSemicolon = ';';
constexpr std::size_t kPairsShown = 5;

std::u32string nameKey(std::string_view name) { return foldedCase(reducedEntry(name)); }

// splitKeyedLine as views into the line.
std::pair<std::string_view, std::string_view> splitView(std::string_view line) {
    std::size_t separator = line.find(kTab);
    if (separator == std::string_view::npos) separator = line.find(kSemicolon);
    if (separator == std::string_view::npos) return {line, {}};
    return {line.substr(0, separator), line.substr(separator + 1)};
}

// Lines handed to `line` one by one, from a list of lines or straight from a text.
void eachLine(const std::vector<std::string>& lines,
              const std::function<void(std::string_view)>& line) {
    for (const std::string& text : lines) line(text);
}
void eachLine(std::string_view text, const std::function<void(std::string_view)>& line) {
    forEachLine(text, LoneLineFeed::endsLine, line);
}

template <typename Lines>
bool twoColumns(const Lines& lines) {
    bool anyLine = false;
    bool every = true;
    eachLine(lines, [&](std::string_view line) {
        if (line.empty()) return;
        if (line.find_first_of("\t;") == std::string_view::npos) every = false;
        anyLine = true;
    });
    return anyLine && every;
}

template <typename Lines>
std::vector<KeyedValue> parsed(const Lines& lines, std::size_t count) {
    std::vector<KeyedValue> keyed;
    keyed.reserve(count);
    bool firstRow = true;
    eachLine(lines, [&](std::string_view line) {
        if (line.empty()) return;
        const auto [untrimmedName, untrimmedValue] = splitView(line);
        const std::string_view name = trimBlanks(untrimmedName);
        const std::string_view value = trimBlanks(untrimmedValue);
        const bool header = firstRow && name == "Name";
        firstRow = false;
        if (!header) keyed.push_back({std::string(name), std::string(value)});
    });
    return keyed;
}
}  // namespace

bool isTwoColumnList(const std::vector<std::string>& lines) { return twoColumns(lines); }

bool isTwoColumnText(std::string_view text) { return twoColumns(text); }

KeyedValue splitKeyedLine(std::string_view line) {
    const auto [name, value] = splitView(line);
    return {std::string(name), std::string(value)};
}

std::vector<KeyedValue> parseKeyedValues(const std::vector<std::string>& lines) {
    return parsed(lines, lines.size());
}

std::vector<KeyedValue> parseKeyedText(std::string_view text) {
    return parsed(text, lineCount(text, LoneLineFeed::endsLine));
}

KeyedPairing pairByName(const std::vector<std::string>& entries,
                        const std::vector<KeyedValue>& keyed) {
    // Per line: whether it is the first of its name, whether a later line of that name
    // contradicts it, whether an entry took its value and whether several parts have it.
    std::vector<bool> first(keyed.size()), contradicted(keyed.size()), used(keyed.size()),
        ambiguous(keyed.size());
    std::unordered_map<std::u32string, std::size_t> firstLineOf;
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        const auto [found, added] = firstLineOf.try_emplace(nameKey(keyed[i].name), i);
        first[i] = added;
        if (!added && keyed[found->second].value != keyed[i].value)
            contradicted[found->second] = true;
    }
    // Per name without extension, the one part that has it, or none when several do.
    std::unordered_map<std::u32string, std::optional<std::u32string>> partOfStem;
    for (const std::string& entry : entries) {
        if (firstExtension(entry).empty()) continue;
        const std::u32string part = foldedCase(entry);
        const auto [found, added] = partOfStem.try_emplace(foldedCase(baseName(entry)), part);
        if (!added && found->second != part) found->second.reset();
    }

    KeyedPairing pairing;
    pairing.values.reserve(entries.size());
    for (const std::string& entry : entries) {
        auto found = firstLineOf.find(foldedCase(entry));
        if (found == firstLineOf.end() && !firstExtension(entry).empty()) {
            const std::u32string stem = foldedCase(baseName(entry));
            found = firstLineOf.find(stem);
            if (found != firstLineOf.end() && !partOfStem[stem]) {
                ambiguous[found->second] = true;
                found = firstLineOf.end();
            }
        }
        if (found == firstLineOf.end()) {
            pairing.values.emplace_back();
            pairing.entriesWithoutValue.push_back(entry);
        } else {
            pairing.values.push_back(keyed[found->second].value);
            used[found->second] = true;
        }
    }
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        if (ambiguous[i]) {
            pairing.ambiguousNames.push_back(keyed[i].name);
        } else if (first[i] && !used[i]) {
            pairing.unmatchedNames.push_back(keyed[i].name);
        }
        if (contradicted[i]) pairing.conflictingNames.push_back(keyed[i].name);
    }
    return pairing;
}

std::string firstPairs(const std::vector<std::string>& entries, const KeyedPairing& pairing) {
    std::vector<std::string> shown;
    std::vector<std::string> values;
    std::size_t withValue = 0;
    for (std::size_t i = 0; i < entries.size() && i < pairing.values.size(); ++i) {
        if (pairing.values[i].empty()) continue;
        if (++withValue > kPairsShown) continue;
        shown.push_back(entries[i]);
        values.push_back(pairing.values[i]);
    }
    if (shown.empty()) return {};
    return texts::valuesOfParts(shown, values, withValue - shown.size());
}

std::string keyedGapsQuestion(const std::vector<std::string>& entries,
                              const KeyedPairing& pairing) {
    std::string question;
    if (std::string pairs = firstPairs(entries, pairing); !pairs.empty()) question = pairs + "\n\n";
    const auto list = [&question](std::string_view heading, const std::vector<std::string>& names) {
        if (!names.empty()) question += texts::namesUnderHeading(heading, names) + "\n\n";
    };
    list(texts::kHeadingEntriesWithoutValue, pairing.entriesWithoutValue);
    list(texts::kHeadingNamesWithoutEntry, pairing.unmatchedNames);
    list(texts::kHeadingAmbiguousNames, pairing.ambiguousNames);
    return question + std::string(texts::kQuestionBuildWithGaps);
}

}  // namespace stapelwerk
