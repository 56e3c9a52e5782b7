#include <pwd.h>
#include <unistd.h>

#include <cstring>

#include "platform/os.h"

namespace stapelwerk::os {

const char kPathSeparator = '/';

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::string errnoReason(int error) {
    return std::strerror(error);
}

// The password entry of the effective user: getlogin() fails without a terminal.
std::string loginName() {
    const passwd* entry = getpwuid(geteuid());
    return entry != nullptr && entry->pw_name != nullptr ? entry->pw_name : "";
}

}  // namespace stapelwerk::os
