#include "cadconfig/auto_mapkey.h"

#include "core/texts.h"
#include "platform/file_checks.h"
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
                     ConfigContent& content) {
    const std::string path = configProPath(outputDirectory, platform.programDirectory());
    content.clear();
    if (fileExists(path)) {
        FileContent read = readFileBytes(path);
        if (!read.result.ok) {
            platform.showMessage(texts::messageConfigProNotRead(path, read.result.reason));
            return false;
        }
        content = std::move(read.bytes);
        return true;
    }
    const FileResult created = createEmptyFile(path);
    if (!created.ok) {
        platform.showMessage(texts::messageConfigProNotCreated(path, created.reason));
        return false;
    }
    platform.showMessage(std::string(texts::kMessageConfigProCreated));
    return true;
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

void appendAutoMapkey(Platform& platform, const std::string& outputDirectory,
                      const ConfigContent& content) {
    const std::string path = configProPath(outputDirectory, platform.programDirectory());
    const FileResult written = replaceFileBytes(path, configWithAutoMapkey(content));
    if (!written.ok) {
        platform.showMessage(texts::messageConfigProNotWritten(path, written.reason));
        return;
    }
    platform.showMessage(std::string(texts::kMessageAutoMapkeyAdded));
}

}  // namespace stapelwerk
