#pragma once

#include <string_view>

namespace stapelwerk {

// Whether a file name matches a pattern of file-name wildcards: `*` stands for
// any run of characters, `?` for exactly one. Letter case is ignored, as on
// Windows. Several patterns may be given separated by ";" (for instance
// "*.drw*;*.prt*"); the name then has to match one of them.
bool matchesWildcard(std::string_view name, std::string_view pattern);

}  // namespace stapelwerk
