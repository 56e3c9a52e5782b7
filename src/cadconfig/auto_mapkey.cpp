#include "cadconfig/auto_mapkey.h"

#include "core/texts.h"
#include "platform/file_checks.h"
#include "platform/line_reader.h"
#include "platform/os.h"
#include "platform/paths.h"
#include "platform/platform.h"
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

bool readConfigLines(Platform& platform, const std::string& outputDirectory,
                     ConfigLines& configLines) {
    const std::string path = configProPath(outputDirectory, platform.programDirectory());
    configLines = {};
    if (fileExists(path)) {
        const FileContent content = readFileBytes(path);
        if (!content.result.ok) {
            platform.showMessage(texts::messageConfigProNotRead(path, content.result.reason));
            return false;
        }
        configLines.lines = splitLines(content.bytes, LoneLineFeed::StaysInLine);
        return true;
    }
    const FileResult created = createEmptyFile(path);
    if (!created.ok) {
        platform.showMessage(texts::messageConfigProNotCreated(path, created.reason));
        return false;
    }
    configLines.created = true;
    platform.showMessage(std::string(texts::kMessageConfigProCreated));
    return true;
}

bool definesAutoMapkey(const std::vector<std::string>& lines) {
    constexpr std::string_view kOption = "mapkey";
    constexpr std::string_view kSequence = "auto";
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    const auto small = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 'a' - 'A') : c;
    };
    for (const std::string_view line : lines) {
        std::size_t at = 0;
        while (at < line.size() && isBlank(line[at])) ++at;
        if (line.size() - at < kOption.size()) continue;
        bool option = true;
        for (std::size_t i = 0; i < kOption.size(); ++i)
            option = option && small(line[at + i]) == kOption[i];
        at += kOption.size();
        if (!option || at >= line.size() || !isBlank(line[at])) continue;
        while (at < line.size() && isBlank(line[at])) ++at;
        const std::string_view rest = line.substr(at);
        if (rest.starts_with(kSequence) && rest.size() > kSequence.size() &&
            isBlank(rest[kSequence.size()])) {
            return true;
        }
    }
    return false;
}

std::string configProBackupPath(const std::string& configPro, std::string& reason) {
    std::error_code error;
    const os::ResolvedPath target = os::resolveLinks(toPath(configPro), error);
    if (error) {
        reason = error.message();
        return {};
    }
    return fromPath(target.path.parent_path() / "config.pro.bak");
}

namespace {
// The copy is taken from the file as it is now, not from the lines read before: should
// config.pro have changed since, the copy keeps the change. Returns the message for
// the user, empty on success.
std::string backUpConfigPro(const std::string& path) {
    std::string reason;
    const std::string backup = configProBackupPath(path, reason);
    if (backup.empty()) return texts::messageConfigProBackupNotWritten(path + ".bak", reason);
    const FileContent old = readFileBytes(path);
    if (!old.result.ok) return texts::messageConfigProNotRead(path, old.result.reason);
    const FileResult copied = replaceFileBytesLike(backup, old.bytes, path);
    if (!copied.ok) return texts::messageConfigProBackupNotWritten(backup, copied.reason);
    return {};
}
}  // namespace

bool appendAutoMapkey(Platform& platform, const std::string& outputDirectory,
                      ConfigLines& configLines) {
    const std::string path = configProPath(outputDirectory, platform.programDirectory());
    if (!configLines.created) {
        if (const std::string failure = backUpConfigPro(path); !failure.empty()) {
            platform.showMessage(failure);
            return false;
        }
    }
    std::vector<std::string>& lines = configLines.lines;
    lines.insert(lines.end(), kAutoBlock.begin(), kAutoBlock.end());
    std::string bytes;
    for (const std::string& line : lines) bytes.append(line).append("\r\n");
    const FileResult written = replaceFileBytes(path, bytes);
    if (!written.ok) {
        platform.showMessage(texts::messageConfigProNotWritten(path, written.reason));
        return false;
    }
    platform.showMessage(std::string(texts::kMessageAutoMapkeyAdded));
    return true;
}

}  // namespace stapelwerk
