#include "params/keyed_values.h"

#include <cstddef>
#include <unordered_map>

#include "core/texts.h"
#include "platform/case_fold.h"
#include "worklist/confirm.h"

namespace stapelwerk {

namespace {
constexpr char kTab = '\t';
constexpr char kSemicolon = ';';

std::u32string nameKey(std::string_view name) { return foldedCase(reducedEntry(name)); }
}  // namespace

bool isTwoColumnList(const std::vector<std::string>& lines) {
    bool anyLine = false;
    for (const std::string& line : lines) {
        if (line.empty()) continue;
        if (line.find_first_of("\t;") == std::string::npos) return false;
        anyLine = true;
    }
    return anyLine;
}

KeyedValue splitKeyedLine(std::string_view line) {
    std::size_t separator = line.find(kTab);
    if (separator == std::string_view::npos) separator = line.find(kSemicolon);
    if (separator == std::string_view::npos) return {std::string(line), {}};
    return {std::string(line.substr(0, separator)), std::string(line.substr(separator + 1))};
}

std::vector<KeyedValue> parseKeyedValues(const std::vector<std::string>& lines) {
    std::vector<KeyedValue> keyed;
    keyed.reserve(lines.size());
    for (const std::string& line : lines) {
        if (!line.empty()) keyed.push_back(splitKeyedLine(line));
    }
    return keyed;
}

KeyedPairing pairByName(const std::vector<std::string>& entries,
                        const std::vector<KeyedValue>& keyed) {
    // Per line: whether it is the first of its name, whether a later line of that name
    // contradicts it, and whether an entry took its value.
    std::vector<bool> first(keyed.size()), contradicted(keyed.size()), used(keyed.size());
    std::unordered_map<std::u32string, std::size_t> firstLineOf;
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        const auto [found, added] = firstLineOf.try_emplace(nameKey(keyed[i].name), i);
        first[i] = added;
        if (!added && keyed[found->second].value != keyed[i].value)
            contradicted[found->second] = true;
    }

    KeyedPairing pairing;
    pairing.values.reserve(entries.size());
    for (const std::string& entry : entries) {
        const auto found = firstLineOf.find(foldedCase(entry));
        if (found == firstLineOf.end()) {
            pairing.values.emplace_back();
            pairing.entriesWithoutValue.push_back(entry);
        } else {
            pairing.values.push_back(keyed[found->second].value);
            used[found->second] = true;
        }
    }
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        if (first[i] && !used[i]) pairing.unmatchedNames.push_back(keyed[i].name);
        if (contradicted[i]) pairing.conflictingNames.push_back(keyed[i].name);
    }
    return pairing;
}

std::string keyedGapsQuestion(const KeyedPairing& pairing) {
    std::string question;
    const auto list = [&question](std::string_view heading, const std::vector<std::string>& names) {
        if (!names.empty()) question += texts::namesUnderHeading(heading, names) + "\n\n";
    };
    list(texts::kHeadingEntriesWithoutValue, pairing.entriesWithoutValue);
    list(texts::kHeadingNamesWithoutEntry, pairing.unmatchedNames);
    return question + std::string(texts::kQuestionBuildWithGaps);
}

}  // namespace stapelwerk
