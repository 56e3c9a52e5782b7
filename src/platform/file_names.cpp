#include "platform/file_names.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"

namespace stapelwerk {

Result<> forEachFileName(const std::string& directory,
                         const std::function<void(const std::string& name)>& file) {
    std::error_code error;
    std::filesystem::directory_iterator entry(toPath(directory), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code ignored;
        if (entry->is_regular_file(ignored)) file(fromPath(entry->path().filename()));
    }
    if (error) return systemFailure(error);
    return {};
}

}  // namespace stapelwerk
