#include "worklist/drives.h"

#include "platform/case_fold.h"
#include "platform/os.h"

namespace stapelwerk {

namespace {
bool holds(const std::u32string& root, const std::u32string& path) {
    if (root.empty() || !path.starts_with(root)) return false;
    return root.back() == static_cast<char32_t>(os::kPathSeparator) || path.size() == root.size() ||
           path[root.size()] == static_cast<char32_t>(os::kPathSeparator);
}
}  // namespace

std::string driveOf(const std::string& path, const std::vector<std::string>& driveRoots) {
    const std::u32string folded = foldedCase(path);
    std::string best;
    std::size_t bestLength = 0;
    for (const std::string& root : driveRoots) {
        const std::u32string foldedRoot = foldedCase(root);
        if (holds(foldedRoot, folded) && (best.empty() || foldedRoot.size() > bestLength)) {
            best = root;
            bestLength = foldedRoot.size();
        }
    }
    return best;
}

std::string directoryOnDrive(const std::string& driveRoot,
                             const std::vector<std::string>& driveRoots,
                             const std::string& currentDirectory) {
    return driveOf(currentDirectory, driveRoots) == driveRoot ? currentDirectory : driveRoot;
}

}  // namespace stapelwerk
