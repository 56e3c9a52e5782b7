#pragma once

#include <string>
#include <vector>

namespace stapelwerk {

// The entries that files dropped on the work list add: each file's name without its
// directory, as the file browser lists them, in the order dropped, as lines of the list
// (fileNameLines). Directories (and paths that name nothing) add nothing.
std::vector<std::string> droppedFileNames(const std::vector<std::string>& paths);

}  // namespace stapelwerk
