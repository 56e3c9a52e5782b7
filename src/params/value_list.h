#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stapelwerk {

// "markiertes löschen": the values without the one at `selected` (if any) and
// without every empty value, in their old order.
std::vector<std::string> withoutMarkedAndEmpty(const std::vector<std::string>& values,
                                               std::optional<std::size_t> selected);

// The values of a list of one value a line, paired with the parts by position: each line's
// first cell as it stands, without the byte-order marks the line starts with; an empty line
// is an empty value. A TAB always ends the cell (a spreadsheet's column); a ';' only in a
// list whose every line that is not empty holds one (a CSV export): in any other list it is
// as likely part of the value, which the build then refuses by name rather than write a cut
// one.
std::vector<std::string> valuesByPosition(const std::vector<std::string>& lines);

// valuesByPosition of the lines of `text`, cut where CR LF, CR or LF ends a line.
std::vector<std::string> valuesByPosition(std::string_view text);

}  // namespace stapelwerk
