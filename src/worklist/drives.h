#pragma once

#include <string>
#include <vector>

namespace stapelwerk {

// The drive of `driveRoots` (root paths, as Platform::drives gives them) that
// holds `path`: the longest root the path starts with, letter case ignored.
// Empty when no root fits.
std::string driveOf(const std::string& path, const std::vector<std::string>& driveRoots);

// Where a directory list goes when its drive chooser is set to `driveRoot`:
// the current directory when that lies on the drive, otherwise the drive's root.
std::string directoryOnDrive(const std::string& driveRoot,
                             const std::vector<std::string>& driveRoots,
                             const std::string& currentDirectory);

}  // namespace stapelwerk
