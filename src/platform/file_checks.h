#pragma once

#include <string>

namespace stapelwerk {

// True when `path` names an existing directory (following links). A file, a
// missing path or a path that cannot be examined gives false; never throws.
bool directoryExists(const std::string& path);

// True when the length of the file `path` can be read: an existing file that
// is not a directory. Any error gives false; never throws.
bool fileExists(const std::string& path);

}  // namespace stapelwerk
