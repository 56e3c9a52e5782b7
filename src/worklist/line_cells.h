#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input_decoding.h"
#include "platform/line_reader.h"

// The cells of a line of a list, as a spreadsheet or a PDM export writes its rows: a TAB or
// a ';' between cells, and a cell that holds one of them in double quotes, a quote inside
// doubled ("a;""b""" is a;"b").
namespace stapelwerk {

// The file name of a line: its first cell, ending at its first TAB or ';'. A file name
// can hold neither: in a mapkey a ';' ends a step, and no dialog takes a TAB. A quoted cell
// comes unquoted, so a name that holds one still reaches the check that refuses it by name.
std::string firstCell(std::string_view line);

// firstCell as a view into `line`, or into `unquoted` where a doubled quote had to be undone:
// a line of many megabytes is not copied for its name.
std::string_view firstCellView(std::string_view line, std::string& unquoted);

// Where the text of the first cell ends in `line`: at its first TAB or ';', or at the quote
// that closes a quoted cell. What changes a name changes it there.
std::size_t firstCellEnd(std::string_view line);

// The second cell of a row whose first cell names a part: a row that holds a TAB is cut at
// TABs (columns of a spreadsheet, where a ';' is part of a cell), any other row at ';' (a
// CSV export). Empty when the row has one cell.
std::string secondCell(std::string_view row);

// The first cell as `separators` end it; unquoted as firstCell.
std::string cellBefore(std::string_view line, std::string_view separators);

// Whether the line has a TAB or a ';' after its first cell.
bool hasSeveralCells(std::string_view line);

// Whether a line is the header of a column of names: its first cell is exactly "Name".
bool isNameHeader(std::string_view line);

// Whether `first`, the first row of a list, is the header of its columns: both rows have
// several cells, and the first cell of `next` has a type extension where that of `first`
// has none ("Teilenummer<TAB>Benennung" above "welle.prt<TAB>Welle").
bool isColumnHeader(std::string_view first, std::string_view next);

// Names of real files as lines of a list, each its one cell: a name that holds a TAB or a
// ';', or starts with a quote, is quoted, so that confirming takes the whole name (which the
// build then refuses by name) rather than a cut one that may name another file.
std::vector<std::string> fileNameLines(std::vector<std::string> names);

// Hands `line` each line of a list of lines, or of a text cut where CR LF, CR or LF ends a
// line (as a clipboard or a script hands it over), as a view.
template <typename Line>
void eachLineOf(const std::vector<std::string>& lines, Line line) {
    for (const std::string& text : lines) line(std::string_view(text));
}
template <typename Line>
void eachLineOf(std::string_view text, Line line) {
    forEachLine(text, LoneLineFeed::endsLine, line);
}

// Hands `row` each row of a list (a list of lines or a text, as eachLineOf takes them),
// without the byte-order marks it starts with, in order; empty lines, lines "Name"
// (isNameHeader) and a first row that isColumnHeader are left out.
template <typename Lines, typename Row>
void forEachListRow(const Lines& lines, Row row) {
    // The first row waits until the next one tells whether it is a header.
    std::optional<std::string_view> first;
    bool headerDecided = false;
    eachLineOf(lines, [&](std::string_view line) {
        line = withoutByteOrderMarks(line);
        if (line.empty() || isNameHeader(line)) return;
        if (headerDecided) {
            row(line);
        } else if (!first) {
            first = line;
        } else {
            headerDecided = true;
            if (!isColumnHeader(*first, line)) row(*first);
            row(line);
        }
    });
    if (!headerDecided && first) row(*first);
}

}  // namespace stapelwerk
