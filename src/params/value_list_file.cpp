#include "params/value_list_file.h"

#include <optional>

#include "core/texts.h"
#include "platform/cp1252.h"
#include "platform/file_checks.h"
#include "platform/input_decoding.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "platform/platform.h"
#include "platform/text_file.h"

namespace stapelwerk {

std::string valueListPath(const std::string& directory) {
    return joinFileName(directory, "Lindwurm_param.txt");
}

std::string valueListPath(Platform& platform) {
    std::string beside = valueListPath(platform.programDirectory());
    if (!platform.programInstalled() || fileExists(beside)) return beside;
    return valueListPath(platform.dataDirectory());
}

std::vector<std::string> valueListLines(std::string_view text) {
    return splitLines(text, LoneLineFeed::staysInLine);
}

Result<std::vector<std::string>> readValueList(const std::string& path) {
    const Result<std::string> bytes = readFileBytes(path);
    if (bytes) return valuesFromBytes(*bytes);
    if (namesNothing(bytes.failure())) {
        return worded(bytes.failure(), texts::messageValueListMissing(path));
    }
    return worded(bytes.failure(), texts::messageFileNotRead(path, texts::reasonOf(bytes)));
}

std::vector<std::string> valuesFromBytes(std::string_view bytes) {
    // An editor may have saved the file as "Unicode text".
    if (std::optional<std::string> text = decodeMarkedUtf16(bytes)) return valueListLines(*text);
    return valueListLines(cp1252::decode(bytes));
}

Result<> writeValueList(const std::string& path, const std::vector<std::string>& values) {
    std::string bytes;
    for (const std::string& value : values) {
        // A line break or a NUL in a value would break the file's lines.
        if (!cp1252::isLineText(value)) {
            return refusal(texts::messageValueNotEncodableInList(value, path));
        }
        bytes.append(*cp1252::encode(value)).append("\r\n");
    }
    const Result<> written = replaceFileBytes(path, bytes);
    if (!written)
        return worded(written.failure(),
                      texts::messageFileNotWritten(path, texts::reasonOf(written)));
    return {};
}

}  // namespace stapelwerk
