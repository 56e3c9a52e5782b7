#include "cadconfig/auto_mapkey.h"

#include <filesystem>
#include <utility>

#include "cadconfig/defined_mapkeys.h"
#include "core/texts.h"
#include "platform/line_reader.h"
#include "platform/os.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace stapelwerk {

const std::array<std::string_view, 11> kAutoBlock = {
    "! Mapkey zum ausfuehren der doit.pro",
    "mapkey auto @MAPKEY_NAMEruft doit.pro auf und weist den mapkey doit zu;\\",
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1 `Utilities`;\\",
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\",
    "mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_util_pref`;\\",
    "mapkey(continued) ~ FocusOut `preferences` `InputOpt`;~ Activate `preferences` `Open`;\\",
    "mapkey(continued) ~ Select `file_open` `Ph_list.Filelist`1 `doit.pro`;\\",
    "mapkey(continued) ~ Activate `file_open` `Ph_list.Filelist`1 `doit.pro`;\\",
    "mapkey(continued) ~ Activate `preferences` `ApplySave`;~ FocusOut `preferences` `InputOpt`;\\",
    "mapkey(continued) ~ Activate `preferences` `Close`;%doit;",
    "!",
};

std::string configProPath(const std::string& outputDirectory, const std::string& programDirectory) {
    return joinFileName(outputDirectory.empty() ? programDirectory : outputDirectory, "config.pro");
}

Result<ConfigContent> readConfigPro(const std::string& path) {
    Result<std::string> read = readFileBytes(path);
    if (read) return ConfigContent{path, std::move(*read), false};
    // A file is made only where nothing is: a pipe or a device there is said to be one.
    if (!namesNothing(read.failure())) {
        return worded(read.failure(), texts::messageConfigProNotRead(path, texts::reasonOf(read)));
    }
    const Result<> created = createEmptyFile(path);
    if (!created) {
        return worded(created.failure(),
                      texts::messageConfigProNotCreated(path, texts::reasonOf(created)));
    }
    return ConfigContent{path, {}, true};
}

bool definesAutoMapkey(std::string_view configBytes) {
    // Line by line as views: a config.pro of many megabytes is not copied to look at it.
    bool defines = false;
    forEachLine(configBytes, LoneLineFeed::endsLine, [&defines](std::string_view line) {
        if (!defines) defines = mapkeyDefinedOn(line) == "auto";
    });
    return defines;
}

std::string autoMapkeyAppendix(std::string_view old) {
    // The CAD system reads every kind; the file keeps the look its editor gave it.
    const std::string_view lineEnd = usualLineEnd(old);
    std::string bytes;
    if (!old.empty() && !old.ends_with('\n') && !old.ends_with('\r')) bytes += lineEnd;
    for (const std::string_view line : kAutoBlock) bytes.append(line).append(lineEnd);
    return bytes;
}

std::string configWithAutoMapkey(std::string_view old) {
    return std::string(old) + autoMapkeyAppendix(old);
}

Result<std::string> configProBackupPath(const std::string& configPro) {
    std::error_code error;
    const os::ResolvedPath target = os::resolveLinks(toPath(configPro), error);
    if (error) return systemFailure(error);
    if (!target.refusedLink.empty()) {
        return platformRefusal(FailureKind::linkNotFollowed, fromPath(target.refusedLink));
    }
    std::filesystem::path backup = target.path;
    backup += ".bak";
    return fromPath(backup);
}

namespace {
// What the file holds now; one that cannot be read fails the update, which says why.
bool definesAutoMapkeyNow(const std::string& path) {
    const Result<std::string> bytes = readFileBytes(path);
    return bytes && definesAutoMapkey(*bytes);
}
}  // namespace

Result<AutoBackup> appendAutoMapkey(const ConfigContent& content) {
    // The file as it is now, not as it was read before: a line that another program added
    // while the user was asked, or while the new file was written, is kept, in the file and
    // in the backup.
    const Update append = [](ByteSink& sink, std::string_view old) {
        sink.write(old);
        sink.write(autoMapkeyAppendix(old));
    };
    // A file that the program has just created empty has nothing to back up. One that
    // defines auto already keeps a backup that is there: it holds the file from before the
    // first auto, which a copy of this one would lose.
    std::string backup;
    AutoBackup made = AutoBackup::none;
    if (!content.created) {
        Result<std::string> backupPath = configProBackupPath(content.path);
        if (!backupPath) {
            return worded(backupPath.failure(),
                          texts::messageConfigProBackupNotWritten(content.path + ".bak",
                                                                  texts::reasonOf(backupPath)));
        }
        std::error_code ignored;
        if (std::filesystem::exists(
                std::filesystem::symlink_status(toPath(*backupPath), ignored)) &&
            definesAutoMapkeyNow(content.path)) {
            made = AutoBackup::keptFirst;
        } else {
            backup = std::move(*backupPath);
            made = AutoBackup::made;
        }
    }
    ReplaceStep failed = ReplaceStep::file;
    const Result<> written = updateFile(content.path, append, backup, failed);
    if (written) return made;
    const std::string reason = texts::reasonOf(written);
    switch (failed) {
        case ReplaceStep::read:
            return worded(written.failure(), texts::messageConfigProNotRead(content.path, reason));
        case ReplaceStep::backup:
            return worded(written.failure(),
                          texts::messageConfigProBackupNotWritten(backup, reason));
        case ReplaceStep::file:
            break;
    }
    return worded(written.failure(), texts::messageConfigProNotWritten(content.path, reason));
}

}  // namespace stapelwerk
