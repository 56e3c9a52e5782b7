#include "support/system.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

namespace stapelwerk::testing {

std::string systemReason(const Reason& reason) { return reason.posix; }

void markHidden(const std::string&) {}

bool giveAclAndNote(const std::string& path) {
    const std::string command = "setfacl -m u:nobody:r '" + path +
                                "' && setfattr -n user.note -v kept '" + path + "' 2>/dev/null";
    return ::chmod(path.c_str(), 0600) == 0 && std::system(command.c_str()) == 0;
}

std::string aclAndNote(const std::string& path) {
    const std::string command = "getfacl --absolute-names --omit-header '" + path +
                                "'; getfattr --absolute-names --only-values -n user.note '" + path +
                                "'";
    std::string text;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return text;
    char buffer[4096];
    for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, n);
    }
    ::pclose(pipe);
    return text;
}

}  // namespace stapelwerk::testing
