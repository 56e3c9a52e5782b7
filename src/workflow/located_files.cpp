#include "workflow/located_files.h"

#include "cadconfig/search_path.h"

namespace stapelwerk::workflow {

std::optional<std::string> fileFound(const ModelLocations& located, std::size_t entry) {
    if (!located.found(entry)) return std::nullopt;
    // The working directory is the first place looked in.
    if (located.entries[entry].place == 0) {
        return located.directories[0].fileNameOf(located.entries[entry].file);
    }
    return located.pathOf(entry);
}

ModelLocations locatedInWorkingDirectory(const TextList& entries,
                                         const std::string& workingDirectory) {
    const auto always = [](std::size_t, std::size_t) { return true; };
    return locateModels(entries, workingDirectory, SearchPath{}, always);
}

}  // namespace stapelwerk::workflow
