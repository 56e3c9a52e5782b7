#pragma once

#include <string_view>

#include "core/work_list.h"

namespace stapelwerk {

// Appends `extension` to the file name (the first cell) of every entry, selected or not,
// even when it is there already.
void appendExtension(WorkList& list, std::string_view extension);

// Removes one trailing `extension` (exact letter case) from the file name (the first cell)
// of every entry whose name ends in it.
void stripExtension(WorkList& list, std::string_view extension);

}  // namespace stapelwerk
