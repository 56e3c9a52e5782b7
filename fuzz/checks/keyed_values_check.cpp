#include "fuzz_checks.h"
#include "params/keyed_values.h"
#include "platform/case_fold.h"
#include "platform/line_reader.h"
#include "worklist/confirm.h"

namespace stapelwerk::fuzz {

namespace {
bool sameName(const std::string& entry, const std::string& name) {
    return foldedCaseUtf8(entry) == foldedCaseUtf8(reducedName(name));
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
        if (!firstExtension(other).empty() && foldedCaseUtf8(other) != foldedCaseUtf8(entry) &&
            foldedCaseUtf8(baseName(other)) == foldedCaseUtf8(baseName(entry))) {
            return nullptr;
        }
    }
    for (const KeyedValue& line : keyed) {
        if (sameName(baseName(entry), line.name)) return &line;
    }
    return nullptr;
}

// The cells of a line without quotes: its name ends at its first TAB or ';', its value is
// the second cell of the row cut at its TABs, or at its ';' when it has no TAB.
KeyedValue unquotedCells(std::string_view line) {
    const std::size_t nameEnd = line.find_first_of("\t;");
    const std::vector<std::string_view> cells =
        fields(line, line.find('\t') != std::string_view::npos ? '\t' : ';');
    return {std::string(line.substr(0, nameEnd)),
            cells.size() > 1 ? std::string(cells[1]) : std::string()};
}
}  // namespace

// Input: the entries' lines, a byte 0x01, the value list's lines. A line without quotes is
// split into its cells as unquotedCells does; the pairing agrees with a plain walk over both
// lists: an entry takes the value of the first line that names it (lineOf). The names and
// values read hold no blanks around them, and no TAB or stray ';' reaches doit.pro.
std::string checkKeyedValues(std::string_view input) {
    const std::vector<std::string_view> parts = fields(input, '\x01');
    const std::vector<std::string> entries = splitLines(parts[0], LoneLineFeed::endsLine);
    const std::vector<std::string> lines =
        splitLines(parts.size() > 1 ? parts[1] : "", LoneLineFeed::endsLine);

    for (const std::string& line : lines) {
        if (line.find('"') == std::string::npos && splitKeyedLine(line) != unquotedCells(line)) {
            return "a line is not split into its cells";
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
    if (std::string stray = strayInDoit(entries, pairing.values); !stray.empty()) return stray;
    for (const std::string& name : pairing.unmatchedNames) {
        for (const std::string& entry : entries) {
            if (sameName(entry, name)) return "a name of an entry is reported as matching none";
        }
    }
    return {};
}

}  // namespace stapelwerk::fuzz
