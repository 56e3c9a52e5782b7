#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/text_list.h"

// Parameter values matched to the parts by name instead of by position: lines
// "NAME<TAB>VALUE" or "NAME;VALUE", as a spreadsheet or a PDM export hands them over.
namespace stapelwerk {

struct KeyedValue {
    std::string name;
    std::string value;

    bool operator==(const KeyedValue&) const = default;
};

// Whether `lines` form a two-column list: at least one line is not empty, and every
// line that is not empty has several cells (hasSeveralCells). Any other list is one value
// a line, paired with the parts by position as before; so a value that holds a ';' never
// turns a one-column list into a two-column one unless every line has one.
bool isTwoColumnList(const std::vector<std::string>& lines);

// isTwoColumnList of the lines of `text`, cut where CR LF, CR or LF ends a line.
bool isTwoColumnText(std::string_view text);

// The name of a line, its first cell as a work-list line's (firstCell), and its value,
// the second cell (secondCell): a row of TABs keeps a ';' in its value, which the build
// refuses by name rather than write a cut value; a row of ';' has its further columns cut
// off. A line of one cell is a name whose value is empty (a row whose value cell is
// empty). Nothing is trimmed or decoded.
KeyedValue splitKeyedLine(std::string_view line);

// The rows of the list (forEachListRow: empty lines and headers left out), split by
// splitKeyedLine, with the blanks around its name and its value dropped (a spreadsheet's
// cells are often padded).
std::vector<KeyedValue> parseKeyedValues(const std::vector<std::string>& lines);

// Values matched to the confirmed entries.
struct KeyedPairing {
    // One value per entry, in the entries' order; empty for an entry without a value.
    std::vector<std::string> values;
    // The entries no line names, in the entries' order.
    std::vector<std::string> entriesWithoutValue;
    // The names of lines that match no entry, as written, each once, in list order.
    std::vector<std::string> unmatchedNames;
    // Names given again with a different value, as first written, each once: the
    // first line's value is the one in `values`, but the list contradicts itself.
    std::vector<std::string> conflictingNames;
    // Names without extension that several parts have ("welle" for welle.prt and
    // welle.drw), as written, each once: they give none of them a value.
    std::vector<std::string> ambiguousNames;

    bool operator==(const KeyedPairing&) const = default;
};

// Pairs `keyed` with `entries` by name, whatever the order of either list. A name is
// reduced as the confirm step reduces a work-list line (directory, drive and version
// dropped: "C:\\work\\Welle.PRT.3" names "Welle.PRT") and compared with the entries
// without regard to letter case (foldedCaseUtf8: ß is ss). Entries that differ
// only in case share the value of their name. A name without extension ("welle") also
// names the one part of that name with an extension ("welle.prt"), unless a line names
// that part with its extension; when several parts have that name, it names none.
KeyedPairing pairByName(const TextList& entries, const std::vector<KeyedValue>& keyed);

// pairByName of parseKeyedValues of the lines of `text`, cut as isTwoColumnText cuts them,
// without holding every line: only the first line of each name is kept while pairing.
KeyedPairing pairKeyedText(const TextList& entries, std::string_view text);

// What the parameter dialog asks before it builds with gaps: which value the first few
// of `entries` receive, the parts without a value, the names without a part and those of
// several parts, each under its heading (the first few of each, then how many more, so that
// the box fits on the screen), and whether to build anyway.
std::string keyedGapsQuestion(const TextList& entries, const KeyedPairing& pairing);

// What the parameter dialog says when the list gives a name different values: the first
// few of those names, and that nothing was built.
std::string keyedConflictMessage(const KeyedPairing& pairing);

// The first few parts that receive a value, with it, so that the user can see that the
// names paired as meant; empty when no part has a value.
std::string firstPairs(const TextList& entries, const KeyedPairing& pairing);

}  // namespace stapelwerk
