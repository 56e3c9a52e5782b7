#include "worklist/dropped_files.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/paths.h"
#include "worklist/line_cells.h"

namespace stapelwerk {

std::vector<std::string> droppedFileNames(const std::vector<std::string>& paths) {
    std::vector<std::string> names;
    for (const std::string& path : paths) {
        const std::filesystem::path file = toPath(path);
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error))
            names.push_back(fromPath(file.filename()));
    }
    return fileNameLines(std::move(names));
}

}  // namespace stapelwerk
