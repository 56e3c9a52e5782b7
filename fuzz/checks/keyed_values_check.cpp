#include "fuzz_checks.h"
#include "params/keyed_values.h"
#include "platform/case_fold.h"
#include "platform/line_reader.h"
#include "worklist/confirm.h"

namespace stapelwerk::fuzz {

namespace {
bool sameName(const std::string& entry, const std::string& name) {
    return foldedCase(entry) == foldedCase(reducedEntry(name));
}

// The first line that names the entry with its extension, else the first that names it
// without, when no other entry has that name without extension.
const KeyedValue* lineOf(const std::string& entry, const std::vector<std::string>& entries,
                         const std::vector<KeyedValue>& keyed) {
    for (const KeyedValue& line : keyed) {
        if (sameName(entry, line.name)) return &line;
    }
    if (firstExtension(entry).empty()) return nullptr;
    for (const std::string& other : entries) {
        if (!firstExtension(other).empty() && foldedCase(other) != foldedCase(entry) &&
            foldedCase(baseName(other)) == foldedCase(baseName(entry))) {
            return nullptr;
        }
    }
    for (const KeyedValue& line : keyed) {
        if (sameName(baseName(entry), line.name)) return &line;
    }
    return nullptr;
}
}  // namespace

// Input: the entries' lines, a byte 0x01, the value list's lines. Each line is split at its
// first TAB, else its first ';', and nothing is lost; the pairing agrees with a plain walk
// over both lists: an entry takes the value of the first line that names it (lineOf). The
// names and values read hold no blanks around them.
std::string checkKeyedValues(std::string_view input) {
    const std::vector<std::string_view> parts = fields(input, '\x01');
    const std::vector<std::string> entries = splitLines(parts[0], LoneLineFeed::endsLine);
    const std::vector<std::string> lines =
        splitLines(parts.size() > 1 ? parts[1] : "", LoneLineFeed::endsLine);

    for (const std::string& line : lines) {
        const KeyedValue split = splitKeyedLine(line);
        const bool hasTab = line.find('\t') != std::string::npos;
        if (split.name.find('\t') != std::string::npos ||
            (!hasTab && split.name.find(';') != std::string::npos)) {
            return "a name holds the separator";
        }
        if (split.name.size() < line.size() &&
            split.name + line[split.name.size()] + split.value != line) {
            return "a line split loses or changes bytes";
        }
        if (split.name.size() == line.size() && (split.name != line || !split.value.empty())) {
            return "a line without separator is not a name alone";
        }
    }

    const std::vector<KeyedValue> keyed = parseKeyedValues(lines);
    for (const KeyedValue& line : keyed) {
        for (const std::string& cell : {line.name, line.value}) {
            if (cell.starts_with(' ') || cell.ends_with(' ')) return "a cell keeps its blanks";
        }
    }
    const KeyedPairing pairing = pairByName(entries, keyed);
    if (pairing.values.size() != entries.size()) return "not one value an entry";
    if (pairKeyedText(entries, parts.size() > 1 ? parts[1] : "") != pairing) {
        return "a text pairs otherwise than its lines";
    }
    std::size_t withoutValue = 0;
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const KeyedValue* named = lineOf(entries[e], entries, keyed);
        if (named == nullptr) {
            if (!pairing.values[e].empty()) return "an entry no line names has a value";
            if (withoutValue >= pairing.entriesWithoutValue.size() ||
                pairing.entriesWithoutValue[withoutValue++] != entries[e]) {
                return "an entry without value is not reported";
            }
        } else if (pairing.values[e] != named->value) {
            return "an entry has another value than its first line";
        }
    }
    if (withoutValue != pairing.entriesWithoutValue.size()) return "too many entries reported";
    for (const std::string& name : pairing.unmatchedNames) {
        for (const std::string& entry : entries) {
            if (sameName(entry, name)) return "a name of an entry is reported as matching none";
        }
    }
    return {};
}

}  // namespace stapelwerk::fuzz
