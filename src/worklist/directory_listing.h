#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stapelwerk {

// Listings of the file browser and the directory chooser. A directory that
// cannot be read lists as empty; hidden and system entries are left out
// (dot files outside Windows). Names come without directory, in alphabetical
// order with letter case ignored.

// `File1`: the plain files of `directory` whose names match `pattern` (see
// matchesWildcard).
std::vector<std::string> listMatchingFiles(const std::string& directory, std::string_view pattern);

// The subdirectories of `directory`.
std::vector<std::string> listSubdirectories(const std::string& directory);

// The absolute form of a directory path as a directory list shows it: "." and
// ".." resolved, the platform's separators, and no final separator except for
// a root.
std::string normalDirectory(const std::string& path);

// One directory on the way from the root to a directory.
struct DirectoryLevel {
    std::string name;  // the root itself for the first level
    std::string path;
};

// The levels of a normal directory path, the root first and the directory last.
std::vector<DirectoryLevel> directoryChain(const std::string& directory);

}  // namespace stapelwerk
