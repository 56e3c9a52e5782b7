#include "platform/file_checks.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"

namespace stapelwerk {

bool directoryExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(toPath(path), error);
}

bool fileExists(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(toPath(path), error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

}  // namespace stapelwerk
