#include "cadconfig/auto_mapkey.h"

#include "core/texts.h"
#include "platform/file_checks.h"
#include "platform/line_reader.h"
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
    configLines.clear();
    if (fileExists(path)) {
        const FileContent content = readFileBytes(path);
        if (!content.result.ok) {
            platform.showMessage(texts::messageConfigProNotRead(path, content.result.reason));
            return false;
        }
        configLines = splitLines(content.bytes, LoneLineFeed::StaysInLine);
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

namespace {
std::string linesWithAutoMapkey(const ConfigLines& configLines) {
    std::string bytes;
    for (const std::string& line : configLines) bytes.append(line).append("\r\n");
    for (const std::string_view line : kAutoBlock) bytes.append(line).append("\r\n");
    return bytes;
}
}  // namespace

std::string configWithAutoMapkey(std::string_view old) {
    return linesWithAutoMapkey(splitLines(old, LoneLineFeed::StaysInLine));
}

void appendAutoMapkey(Platform& platform, const std::string& outputDirectory,
                      ConfigLines& configLines) {
    const std::string path = configProPath(outputDirectory, platform.programDirectory());
    const FileResult written = replaceFileBytes(path, linesWithAutoMapkey(configLines));
    if (!written.ok) {
        platform.showMessage(texts::messageConfigProNotWritten(path, written.reason));
        return;
    }
    platform.showMessage(std::string(texts::kMessageAutoMapkeyAdded));
}

}  // namespace stapelwerk
