#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stapelwerk {

// The lines of pasted clipboard text that become list entries: a line ends at
// CR LF, CR or LF; empty lines and lines that are exactly "Name" (a column
// header) are dropped; every other line stays as it is, blanks included.
std::vector<std::string> pastedLines(std::string_view clipboardText);

}  // namespace stapelwerk
