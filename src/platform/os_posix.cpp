#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/os.h"
#include "platform/paths.h"

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

const char* const kExampleDirectory = "/tmp";

namespace {
// $HOME as the shell and Qt see it, else the password entry.
std::string homeDirectory() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return home;
    const passwd* entry = getpwuid(geteuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/";
}
}  // namespace

// There are no drive letters: both places are in the user's home directory.
CadStartDirectories cadStartDirectories(const std::string&) {
    const std::string directory = joinFileName(homeDirectory(), "ProEWildfire3/");
    return {directory, directory};
}

bool isHidden(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    return !name.empty() && name.front() == '.';
}

}  // namespace stapelwerk::os
