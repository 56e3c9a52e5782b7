#include <windows.h>

#include "platform/paths.h"
#include "support/system.h"

namespace stapelwerk::testing {

std::string systemReason(const Reason& reason) { return reason.windows; }

void markHidden(const std::string& path) {
    const std::wstring name = toPath(path).wstring();
    SetFileAttributesW(name.c_str(), GetFileAttributesW(name.c_str()) | FILE_ATTRIBUTE_HIDDEN);
}

}  // namespace stapelwerk::testing
