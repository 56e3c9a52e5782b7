#include "app/program_place.h"

#include <algorithm>

#include "platform/case_fold.h"
#include "platform/platform.h"

namespace stapelwerk {

namespace {
// The path as compared: "/" for either separator, none at its end, letter case removed.
std::string comparable(const std::string& path) {
    std::string folded = foldedCaseUtf8(path);
    std::replace(folded.begin(), folded.end(), '\\', '/');
    while (folded.size() > 1 && folded.back() == '/') folded.pop_back();
    return folded;
}
}  // namespace

bool isInstallation(const std::string& programDirectory, bool writable,
                    const std::string& userPrograms) {
    if (!writable) return true;
    if (userPrograms.empty()) return false;
    const std::string program = comparable(programDirectory);
    const std::string folder = comparable(userPrograms);
    return program == folder || program.starts_with(folder + '/');
}

std::string fallbackDirectory(Platform& platform) {
    return platform.programInstalled() ? platform.documentsDirectory()
                                       : platform.programDirectory();
}

}  // namespace stapelwerk
