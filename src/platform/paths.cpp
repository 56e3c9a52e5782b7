#include "platform/paths.h"

#include <cstring>

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
    // A directory typed with a final slash on Windows gets no backslash after it.
    if (!directory.empty() && std::strchr(os::kPathSeparators, directory.back()) != nullptr) {
        return directory + fileName;
    }
    return directory + os::kPathSeparator + fileName;
}

}  // namespace stapelwerk
