#include "workflow/install_auto.h"

#include <utility>

#include "core/texts.h"

namespace stapelwerk::workflow {

Result<AutoInstall> prepareAutoInstall(const std::string& outputDirectory,
                                       const std::string& programDirectory) {
    Result<ConfigContent> config = readConfigPro(configProPath(outputDirectory, programDirectory));
    if (!config) return config.failure();
    AutoInstall install;
    install.definesAuto = definesAutoMapkey(config->bytes);
    // Installing reads the file again, as it is once the user has answered: holding these
    // bytes until then would hold config.pro twice.
    std::string().swap(config->bytes);
    if (config->created) install.notice = texts::kMessageConfigProCreated;
    install.config = std::move(*config);
    return install;
}

Result<std::string> installAutoMapkey(const AutoInstall& install) {
    const Result<AutoBackup> appended = appendAutoMapkey(install.config);
    if (!appended) return appended.failure();
    return std::string(*appended == AutoBackup::keptFirst ? texts::kMessageAutoMapkeyAddedBackupKept
                                                          : texts::kMessageAutoMapkeyAdded);
}

}  // namespace stapelwerk::workflow
