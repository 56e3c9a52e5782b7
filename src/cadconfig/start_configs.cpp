#include "cadconfig/start_configs.h"

#include <filesystem>

#include "cadconfig/auto_mapkey.h"
#include "core/texts.h"
#include "platform/os.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace stapelwerk {

std::vector<std::string> startConfigPaths(const std::string& outputDirectory,
                                          const std::string& programDirectory) {
    // The CAD system reads the home directory's file first; the start directory's comes
    // later and wins.
    const std::string home = joinFileName(os::homeDirectory(), "config.pro");
    const std::string start = configProPath(outputDirectory, programDirectory);
    std::error_code error;
    if (home == start || std::filesystem::equivalent(toPath(home), toPath(start), error)) {
        return {start};
    }
    return {home, start};
}

std::vector<UnreadConfig> readEachConfig(
    const std::vector<std::string>& paths,
    const std::function<void(const std::string& path, std::string_view bytes)>& read) {
    std::vector<UnreadConfig> unread;
    for (const std::string& path : paths) {
        const Result<std::string> bytes = readFileBytes(path);
        if (bytes) {
            read(path, *bytes);
        } else {
            unread.push_back({path, texts::reasonOf(bytes)});
        }
    }
    return unread;
}

}  // namespace stapelwerk
