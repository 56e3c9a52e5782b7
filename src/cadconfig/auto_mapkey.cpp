#include "cadconfig/auto_mapkey.h"

#include <filesystem>

#include "cadconfig/defined_mapkeys.h"
#include "core/texts.h"
#include "platform/file_checks.h"
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
    if (fileExists(path)) {
        Result<std::string> read = readFileBytes(path);
        if (!read)
            return worded(read.failure(),
                          texts::messageConfigProNotRead(path, texts::reasonOf(read)));
        return ConfigContent{path, std::move(*read), false};
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
    forEachLine(configBytes, LoneLineFeed::staysInLine, [&defines](std::string_view line) {
        if (!defines) defines = mapkeyDefinedOn(line) == "auto";
    });
    return defines;
}

std::string autoMapkeyAppendix(std::string_view old) {
    std::string bytes;
    // A lone CR already ends the last line as the program reads it; the LF makes it the
    // CR LF that the block's lines have, without changing a byte that was there.
    if (old.ends_with('\r')) {
        bytes += '\n';
    } else if (!old.empty() && !old.ends_with("\r\n")) {
        bytes += "\r\n";
    }
    for (const std::string_view line : kAutoBlock) bytes.append(line).append("\r\n");
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

Result<AutoBackup> appendAutoMapkey(const ConfigContent& content) {
    // The file as it is now, not as it was read before: a line that another program added
    // while the user was asked is kept, in the file and in the backup.
    const Result<std::string> old = readFileBytes(content.path);
    if (!old) {
        return worded(old.failure(),
                      texts::messageConfigProNotRead(content.path, texts::reasonOf(old)));
    }
    const std::string appendix = autoMapkeyAppendix(*old);
    const auto produce = [&](ByteSink& sink) {
        sink.write(*old);
        sink.write(appendix);
    };
    const auto notWritten = [&](const Result<>& written) {
        return worded(written.failure(),
                      texts::messageConfigProNotWritten(content.path, texts::reasonOf(written)));
    };
    const auto withoutBackup = [&](AutoBackup backup) -> Result<AutoBackup> {
        const Result<> written = replaceFile(content.path, produce);
        if (!written) return notWritten(written);
        return backup;
    };
    if (content.created && old->empty()) return withoutBackup(AutoBackup::none);
    const Result<std::string> backup = configProBackupPath(content.path);
    if (!backup) {
        return worded(backup.failure(), texts::messageConfigProBackupNotWritten(
                                            content.path + ".bak", texts::reasonOf(backup)));
    }
    std::error_code ignored;
    if (definesAutoMapkey(*old) &&
        std::filesystem::exists(std::filesystem::symlink_status(toPath(*backup), ignored))) {
        return withoutBackup(AutoBackup::keptFirst);
    }
    ReplaceStep failed = ReplaceStep::file;
    const Result<> written = replaceFileWithBackup(
        content.path, produce, *backup, [&](ByteSink& sink) { sink.write(*old); }, failed);
    if (written) return AutoBackup::made;
    if (failed == ReplaceStep::backup) {
        return worded(written.failure(),
                      texts::messageConfigProBackupNotWritten(*backup, texts::reasonOf(written)));
    }
    return notWritten(written);
}

}  // namespace stapelwerk
