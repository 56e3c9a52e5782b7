#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The config.pro files that the CAD system reads when it starts.
namespace stapelwerk {

// A config.pro that the CAD system reads at start and that could not be read.
struct UnreadConfig {
    std::string path;
    std::string reason;
};

// The config.pro files the CAD system reads at start, in the order it reads them: the one
// in the user's home directory, then the one in the start directory, the output directory
// (as configProPath finds it); the same file is named once.
std::vector<std::string> startConfigPaths(const std::string& outputDirectory,
                                          const std::string& programDirectory);

// Reads each of `paths` in turn and hands its bytes, with its path, to `read`; what is
// missing or cannot be read (a pipe or a device among them, which is never waited on) is
// left out and comes back with its reason.
std::vector<UnreadConfig> readEachConfig(
    const std::vector<std::string>& paths,
    const std::function<void(const std::string& path, std::string_view bytes)>& read);

}  // namespace stapelwerk
