#include <filesystem>

#include "platform/os.h"
#include "platform/paths.h"
#include "support/ScopedHome.h"

namespace stapelwerk::testing {

ScopedCadStartDirectory::ScopedCadStartDirectory(const std::string& login)
    : scopedHome_(home_.path()), wanted_(os::cadStartDirectories(login).first) {}

ScopedCadStartDirectory::~ScopedCadStartDirectory() {
    std::error_code ignored;
    if (!made_.empty()) std::filesystem::remove_all(toPath(made_), ignored);
}

bool ScopedCadStartDirectory::make() {
    // The candidate ends in a separator: its parent path is the directory itself.
    const std::filesystem::path wanted = toPath(wanted_).parent_path();
    std::filesystem::path outermost = wanted;
    while (outermost.has_relative_path() && !std::filesystem::exists(outermost.parent_path())) {
        outermost = outermost.parent_path();
    }
    std::error_code error;
    const bool created = std::filesystem::create_directories(wanted, error);
    if (error) return false;
    if (created) made_ = fromPath(outermost);
    return true;
}

}  // namespace stapelwerk::testing
