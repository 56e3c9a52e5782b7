#include "workflow/located_files.h"

#include "cadconfig/search_path.h"

namespace stapelwerk::workflow {

std::vector<std::optional<std::string>> filesFound(const ModelLocations& located) {
    std::vector<std::optional<std::string>> found(located.entries.size());
    for (std::size_t entry = 0; entry < found.size(); ++entry) {
        if (!located.found(entry)) continue;
        // The working directory is the first place looked in.
        found[entry] = located.entries[entry].place == 0
                           ? located.directories[0].fileNameOf(located.entries[entry].file)
                           : located.pathOf(entry);
    }
    return found;
}

std::vector<std::optional<std::string>> filesInWorkingDirectory(
    const std::vector<std::string>& entries, const std::string& workingDirectory) {
    const auto always = [](std::size_t, std::size_t) { return true; };
    return filesFound(locateModels(entries, workingDirectory, SearchPath{}, always));
}

}  // namespace stapelwerk::workflow
