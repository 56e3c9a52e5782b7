#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace stapelwerk {

// The parameter values the user collects, one a line, in the order they came. Empty and
// repeated values stay: the values pair with the parts by position.
class ValueList {
public:
    const std::vector<std::string>& values() const { return values_; }
    std::size_t size() const { return values_.size(); }

    void assign(std::vector<std::string> values) { values_ = std::move(values); }
    // Adds the values at the end, in their order.
    void append(std::vector<std::string> values);
    void clear() { values_.clear(); }
    // "markiertes löschen": removes the value at `marked` (if any; a row past the end
    // marks nothing) and every empty value; the others keep their order.
    void removeMarkedAndEmpty(std::optional<std::size_t> marked);

private:
    std::vector<std::string> values_;
};

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
