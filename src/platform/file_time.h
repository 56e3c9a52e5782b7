#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace stapelwerk {

// A moment as a file system stamps its files, in nanoseconds since 1970 (UTC).
using FileTime = std::chrono::sys_time<std::chrono::nanoseconds>;

// When the file at `path` (links followed) was last written; none when it cannot be looked
// at.
std::optional<FileTime> modificationTime(const std::string& path);

}  // namespace stapelwerk
