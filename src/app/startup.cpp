#include "app/startup.h"

#include "app/kept_work_list.h"
#include "app/program_place.h"
#include "core/job.h"
#include "core/settings_access.h"
#include "core/texts.h"
#include "platform/file_checks.h"
#include "platform/platform.h"
#include "platform/trim.h"

namespace stapelwerk {

std::string userName(std::string_view loginName) {
    const std::string_view name = trimBlanks(loginName);
    return std::string(name.empty() ? texts::kUnknownUser : name);
}

std::string defaultOutputDirectory(const os::CadStartDirectories& candidates,
                                   const std::string& fallback) {
    return directoryExists(candidates.first) ? candidates.second : fallback;
}

StartupState decideStartup(Platform& platform) {
    StartupState state;
    state.userName = userName(platform.loginName());
    const std::string fallback = defaultOutputDirectory(os::cadStartDirectories(state.userName),
                                                        fallbackDirectory(platform));
    state.outputDirectory = settings::read(platform, settings::kOutputDirectory, fallback);
    state.outputDirectoryExists = directoryExists(state.outputDirectory);
    if (state.outputDirectoryExists) {
        state.status = texts::kStatusChooseFiles;
    } else {
        state.status = texts::kStatusChooseOutputDirectory;
        state.outputDirectory = fallbackDirectory(platform);
    }
    // The user learns why the list is gone, or would not know that it was ever kept.
    if (Result<WorkEntries> kept = readKeptWorkList(platform.dataDirectory()); kept) {
        state.keptList = std::move(*kept);
    } else {
        state.status = kept.message();
    }
    return state;
}

void storeOutputDirectory(Platform& platform, const std::string& directory) {
    settings::write(platform, settings::kOutputDirectory, directory);
}

Result<> keepForNextStart(Platform& platform, const Job& job) {
    storeOutputDirectory(platform, job.outputDirectory);
    return keepWorkList(platform.dataDirectory(), job.workList);
}

}  // namespace stapelwerk
