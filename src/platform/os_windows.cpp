#include <windows.h>

#include <cstring>

#include "platform/os.h"
#include "platform/paths.h"

namespace stapelwerk::os {

const char kPathSeparator = '\\';

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    const std::wstring wideMode(mode, mode + std::strlen(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
}

std::string errnoReason(int error) {
    char buffer[256] = {};
    strerror_s(buffer, sizeof buffer, error);
    return buffer;
}

std::string loginName() {
    wchar_t buffer[256] = {};
    DWORD length = 256;
    if (!GetUserNameW(buffer, &length) || length == 0) return {};
    return fromPath(std::filesystem::path(std::wstring(buffer, length - 1)));
}

const char* const kExampleDirectory = "C:\\temp";

CadStartDirectories cadStartDirectories(const std::string& user) {
    return {"C:\\users\\" + user + "\\ProEWildfire3\\",
            "E:\\users\\" + user + "\\ProEWildfire3\\"};
}

bool isHidden(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

}  // namespace stapelwerk::os
