#include "cadconfig/auto_mapkey.h"

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
            return Failure{texts::messageConfigProNotRead(path, read.reason()), read.reason()};
        return ConfigContent{path, std::move(*read), false};
    }
    const Result<> created = createEmptyFile(path);
    if (!created) {
        return Failure{texts::messageConfigProNotCreated(path, created.reason()), created.reason()};
    }
    return ConfigContent{path, {}, true};
}

bool definesAutoMapkey(std::string_view configBytes) {
    constexpr std::string_view kOption = "mapkey";
    constexpr std::string_view kSequence = "auto";
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    const auto small = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 'a' - 'A') : c;
    };
    for (const std::string_view line : splitLines(configBytes, LoneLineFeed::staysInLine)) {
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

Result<std::string> configProBackupPath(const std::string& configPro) {
    std::error_code error;
    const os::ResolvedPath target = os::resolveLinks(toPath(configPro), error);
    if (error) return systemFailure(error.message());
    return fromPath(target.path.parent_path() / "config.pro.bak");
}

namespace {
// The copy is taken from the file as it is now, not from the bytes read before: should
// config.pro have changed since, the copy keeps the change.
Result<> backUpConfigPro(const std::string& path) {
    const Result<std::string> backup = configProBackupPath(path);
    if (!backup) {
        return Failure{texts::messageConfigProBackupNotWritten(path + ".bak", backup.reason()),
                       backup.reason()};
    }
    const Result<std::string> old = readFileBytes(path);
    if (!old) return Failure{texts::messageConfigProNotRead(path, old.reason()), old.reason()};
    const Result<> copied = replaceFileBytesLike(*backup, *old, path);
    if (!copied) {
        return Failure{texts::messageConfigProBackupNotWritten(*backup, copied.reason()),
                       copied.reason()};
    }
    return {};
}
}  // namespace

Result<> appendAutoMapkey(const ConfigContent& content) {
    if (!content.created) {
        if (Result<> backedUp = backUpConfigPro(content.path); !backedUp) return backedUp;
    }
    const Result<> written = replaceFileBytes(content.path, configWithAutoMapkey(content.bytes));
    if (!written) {
        return Failure{texts::messageConfigProNotWritten(content.path, written.reason()),
                       written.reason()};
    }
    return {};
}

}  // namespace stapelwerk
