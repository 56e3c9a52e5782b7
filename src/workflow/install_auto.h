#pragma once

#include <string>

#include "cadconfig/auto_mapkey.h"
#include "platform/result.h"

// Appending the mapkey `auto` to config.pro, in two steps, so that the window can ask
// between them whether to go on when config.pro defines `auto` already.
namespace stapelwerk::workflow {

struct AutoInstall {
    ConfigContent config;
    bool definesAuto = false;
    // To be shown before going on: that config.pro has been created; empty otherwise.
    std::string notice;
};

// Reads (or creates) the config.pro for the output-directory text `outputDirectory`.
Result<AutoInstall> prepareAutoInstall(const std::string& outputDirectory,
                                       const std::string& programDirectory);

// Backs up and extends config.pro; on success, the message that says so (and that the
// first backup was kept, where it was).
Result<std::string> installAutoMapkey(const AutoInstall& install);

}  // namespace stapelwerk::workflow
