#pragma once

#include <string>
#include <string_view>

namespace stapelwerk {

// The characters of a UTF-8 text with letter case removed, for comparing file
// names the way Windows does: upper-case letters of ASCII and Windows-1252
// become lower-case. A malformed byte stays as a character of its own value.
std::u32string foldedCase(std::string_view utf8);

}  // namespace stapelwerk
