#include "params/value_list_file.h"

#include <filesystem>

#include "core/texts.h"
#include "platform/cp1252.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace stapelwerk {

std::string valueListPath(const std::string& programDirectory) {
    return joinFileName(programDirectory, "Lindwurm_param.txt");
}

std::vector<std::string> valueListLines(std::string_view text) {
    return splitLines(text, LoneLineFeed::StaysInLine);
}

ValueListRead readValueList(const std::string& path) {
    std::error_code error;
    if (std::filesystem::status(toPath(path), error).type() ==
        std::filesystem::file_type::not_found) {
        return {};
    }
    const FileContent content = readFileBytes(path);
    if (!content.result.ok) return {{}, texts::messageFileNotRead(path, content.result.reason)};
    return {valuesFromBytes(content.bytes), {}};
}

std::vector<std::string> valuesFromBytes(std::string_view bytes) {
    return valueListLines(cp1252::decode(bytes));
}

std::string writeValueList(const std::string& path, const std::vector<std::string>& values) {
    std::string bytes;
    for (const std::string& value : values) {
        // A line break or a NUL in a value would break the file's lines.
        if (!cp1252::isLineText(value)) return texts::messageValueNotEncodableInList(value, path);
        bytes.append(*cp1252::encode(value)).append("\r\n");
    }
    const FileResult written = replaceFileBytes(path, bytes);
    return written.ok ? std::string() : texts::messageFileNotWritten(path, written.reason);
}

}  // namespace stapelwerk
