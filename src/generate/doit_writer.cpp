#include "generate/doit_writer.h"

#include <optional>

#include "core/texts.h"
#include "platform/cp1252.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace stapelwerk {

namespace {
std::string firstLineNotEncodable(const std::string& text) {
    for (const std::string& line : splitLines(text, LoneLineFeed::EndsLine)) {
        if (!cp1252::canEncode(line)) return line;
    }
    return text;
}
}  // namespace

std::string doitProPath(const std::string& outputDirectory) {
    return joinFileName(outputDirectory, "doit.pro");
}

DoitWriteResult writeDoitPro(const std::string& outputDirectory, const std::string& doittext) {
    DoitWriteResult result;
    result.path = doitProPath(outputDirectory);
    const std::optional<std::string> bytes = cp1252::encode(doittext + "\r\n");
    if (!bytes) {
        result.message = texts::messageTextNotEncodable(firstLineNotEncodable(doittext));
        return result;
    }
    const FileResult written = replaceFileBytes(result.path, *bytes);
    if (!written.ok) {
        result.message = texts::messageFileNotWritten(result.path, written.reason);
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace stapelwerk
