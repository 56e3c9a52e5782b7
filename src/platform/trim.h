#pragma once

#include <string_view>

namespace stapelwerk {

// The text without leading and trailing blanks; other white space stays.
std::string_view trimBlanks(std::string_view text);

}  // namespace stapelwerk
