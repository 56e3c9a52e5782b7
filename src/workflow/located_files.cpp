#include "workflow/located_files.h"

#include <cstdint>
#include <string_view>

#include "core/model_versions.h"

namespace stapelwerk::workflow {

std::vector<std::optional<std::string>> filesFound(const std::vector<std::string>& entries,
                                                   const std::string& workingDirectory) {
    std::vector<std::optional<std::string>> found(entries.size());
    std::vector<std::uint64_t> newest(entries.size(), 0);
    const ModelIndex index(entries.size(),
                           [&entries](std::size_t k) { return std::string_view(entries[k]); });
    // A directory that cannot be read holds nothing that the CAD system would open.
    static_cast<void>(
        forEachModelVersion(workingDirectory, index,
                            [&](std::size_t k, const std::string& fileName, std::uint64_t number) {
                                if (found[k] && newest[k] >= number) return;
                                found[k] = fileName;
                                newest[k] = number;
                            }));
    return found;
}

}  // namespace stapelwerk::workflow
