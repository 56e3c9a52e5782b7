#pragma once

#include <string>

namespace stapelwerk {

// True when `path` names an existing directory (following links). A file, a
// missing path or a path that cannot be examined gives false; never throws.
bool directoryExists(const std::string& path);

// True when `path` names something that exists and is not a directory (following links);
// never throws.
bool fileExists(const std::string& path);

}  // namespace stapelwerk
