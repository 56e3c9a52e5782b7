#pragma once

#include <functional>
#include <string>

#include "platform/result.h"

namespace stapelwerk {

// Calls `file` with the name of every regular file in `directory` (links followed), hidden
// ones too, in the order the system lists them; a directory of a million files is listed
// without holding its names. Fails with the system's error when the directory cannot be
// read.
Result<> forEachFileName(const std::string& directory,
                         const std::function<void(const std::string& name)>& file);

}  // namespace stapelwerk
