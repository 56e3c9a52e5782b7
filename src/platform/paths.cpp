#include "platform/paths.h"

#include "platform/os.h"

namespace stapelwerk {

std::filesystem::path toPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string fromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string joinFileName(const std::string& directory, const std::string& fileName) {
    if (!directory.empty() && directory.back() == os::kPathSeparator) {
        return directory + fileName;
    }
    return directory + os::kPathSeparator + fileName;
}

}  // namespace stapelwerk
