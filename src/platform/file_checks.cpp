#include "platform/file_checks.h"

#include <cstdint>
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
    const auto length = std::filesystem::file_size(toPath(path), error);
    return !error && length != static_cast<std::uintmax_t>(-1);
}

}  // namespace stapelwerk
