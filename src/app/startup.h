#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/os.h"

namespace stapelwerk {

class Platform;

// The caption of `lbl_user`: the login name without leading and trailing
// blanks, or "USER" when there is no name.
std::string userName(std::string_view loginName);

// The output directory used when none is stored: the second candidate when the
// first exists (the second is not tested), otherwise `fallback` (fallbackDirectory).
std::string defaultOutputDirectory(const os::CadStartDirectories& candidates,
                                   const std::string& fallback);

// The drop-down list of the file browser's filter field, in this order.
inline constexpr std::array<std::string_view, 3> kFilePatterns = {"*.drw*", "*.prt*", "*.asm*"};

// What the main window shows when it opens.
struct StartupState {
    std::string userName;
    std::string outputDirectory;  // the text of `txt_pro`
    // False: the stored directory does not exist, so the output-directory
    // chooser opens instead of the work list and `txt_pro` holds the fallback
    // directory (the program's, or an installed program's documents folder).
    bool outputDirectoryExists = false;
    std::string_view status;
};

// User name, default and stored output directory, and what follows from them.
StartupState decideStartup(Platform& platform);

// Keeps the output directory for the next start; shutdown does it, also when
// the text is empty or unchanged.
void storeOutputDirectory(Platform& platform, const std::string& directory);

}  // namespace stapelwerk
