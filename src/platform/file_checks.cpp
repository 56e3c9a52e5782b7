#include "platform/file_checks.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"

namespace stapelwerk {

bool directoryExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(toPath(path), error);
}

}  // namespace stapelwerk
