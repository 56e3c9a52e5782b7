#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stapelwerk {

// The text of a line before its first TAB: of columns copied from a spreadsheet, the first.
std::string_view firstCell(std::string_view line);

// Whether a line is a column header: its first cell is exactly "Name".
bool isNameHeader(std::string_view line);

// The lines of pasted clipboard text that become list entries: a line ends at
// CR LF, CR or LF; empty lines and column headers (isNameHeader) are dropped; every
// other line stays as it is, blanks and further columns included.
std::vector<std::string> pastedLines(std::string_view clipboardText);

// Whether a pasted or dropped text is more than the program takes of any input: it is
// refused whole rather than cut into lines that would hold it several times over.
bool pasteTooLarge(std::string_view clipboardText);

}  // namespace stapelwerk
