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

bool readConfigPro(Platform& platform, const std::string& outputDirectory,
                   ConfigContent& content) {
    const std::string path = configProPath(outputDirectory, platform.programDirectory());
    content = {};
    if (fileExists(path)) {
        FileContent read = readFileBytes(path);
        if (!read.result.ok) {
            platform.showMessage(texts::messageConfigProNotRead(path, read.result.reason));
            return false;
        }
        content.bytes = std::move(read.bytes);
        return true;
    }
    const FileResult created = createEmptyFile(path);
    if (!created.ok) {
        platform.showMessage(texts::messageConfigProNotCreated(path, created.reason));
        return false;
    }
    content.created = true;
    platform.showMessage(std::string(texts::kMessageConfigProCreated));
    return true;
}

bool definesAutoMapkey(std::string_view configBytes) {
    constexpr std::string_view kOption = "mapkey";
    constexpr std::string_view kSequence = "auto";
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    const auto small = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 'a' - 'A') : c;
    };
    for (const std::string_view line : splitLines(configBytes, LoneLineFeed::StaysInLine)) {
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

std::string configWithAutoMapkey(std::string_view old) {
    std::string bytes(old);
    // A lone CR already ends the last line as the program reads it; the LF makes it the
    // CR LF that the block's lines have, without changing a byte that was there.
    if (bytes.ends_with('\r')) {
        bytes += '\n';
    } else if (!bytes.empty() && !bytes.ends_with("\r\n")) {
        bytes += "\r\n";
    }
    for (const std::string_view line : kAutoBlock) bytes.append(line).append("\r\n");
    return bytes;
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
// The copy is taken from the file as it is now, not from the bytes read before: should
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
                      const ConfigContent& content) {
    const std::string path = configProPath(outputDirectory, platform.programDirectory());
    if (!content.created) {
        if (const std::string failure = backUpConfigPro(path); !failure.empty()) {
            platform.showMessage(failure);
            return false;
        }
    }
    const FileResult written = replaceFileBytes(path, configWithAutoMapkey(content.bytes));
    if (!written.ok) {
        platform.showMessage(texts::messageConfigProNotWritten(path, written.reason));
        return false;
    }
    platform.showMessage(std::string(texts::kMessageAutoMapkeyAdded));
    return true;
}

}  // namespace stapelwerk
