#pragma once

#include <optional>
#include <string>
#include <string_view>

// A text kept on one line of a file: a '%' and a control character other than TAB (a line
// break in the name of a dropped file) stand as '%' and two hex digits ("%0A").
namespace stapelwerk {

void appendEscaped(std::string& line, std::string_view text);

// The text a line holds; none where an escape is cut short or the text is no UTF-8.
std::optional<std::string> unescaped(std::string_view line);

}  // namespace stapelwerk
