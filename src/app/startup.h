#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/work_list.h"
#include "platform/os.h"
#include "platform/result.h"

namespace stapelwerk {

class Job;
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
    // The work list as the last run left it, with its marks.
    WorkEntries keptList;
    // Why the kept list was not taken, where it was not, comes before any other status.
    std::string status;
};

// User name, default and stored output directory, the kept work list, and what follows
// from them.
StartupState decideStartup(Platform& platform);

// Keeps the output directory for the next start; shutdown does it, also when
// the text is empty or unchanged.
void storeOutputDirectory(Platform& platform, const std::string& directory);

// Keeps the output directory and the work list for the next start; a failure to keep the
// list comes with its message.
Result<> keepForNextStart(Platform& platform, const Job& job);

}  // namespace stapelwerk
