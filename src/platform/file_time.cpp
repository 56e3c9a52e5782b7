#include "platform/file_time.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"

namespace stapelwerk {

std::optional<FileTime> modificationTime(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_time_type written =
        std::filesystem::last_write_time(toPath(path), error);
    if (error) return std::nullopt;
    return std::chrono::time_point_cast<std::chrono::nanoseconds>(
        std::chrono::file_clock::to_sys(written));
}

}  // namespace stapelwerk
