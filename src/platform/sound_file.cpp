#include "platform/sound_file.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"

namespace stapelwerk {

namespace {
bool isFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(toPath(path), error);
}
}  // namespace

std::string findSoundFile(const std::string& name, const std::string& currentDirectory,
                          const std::vector<std::string>& programDirectories) {
    std::string own = joinFileName(currentDirectory, name);
    if (isFile(own)) return own;
    for (const std::string& directory : programDirectories) {
        std::string copy = joinFileName(directory, name);
        if (isFile(copy)) return copy;
    }
    return {};
}

}  // namespace stapelwerk
