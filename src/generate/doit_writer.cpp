#include "generate/doit_writer.h"

#include <algorithm>
#include <optional>

#include "core/texts.h"
#include "platform/cp1252.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace stapelwerk {

namespace {
constexpr std::size_t kBlockSize = std::size_t{1} << 20;

std::string firstLineNotEncodable(const std::string& text) {
    std::optional<std::string_view> found;
    forEachLine(text, LoneLineFeed::endsLine, [&found](std::string_view line) {
        if (!found && !cp1252::canEncode(line)) found = line;
    });
    return std::string(found.value_or(text));
}

bool continuesCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The text goes out in blocks of about a megabyte, encoded one at a time as it is written,
// so that a doit.pro of half a gigabyte is read once and never exists twice in memory.
// Blocks end between characters. False, with a part written, where a character has no
// Windows-1252 byte.
bool writeEncoded(ByteSink& sink, std::string_view text) {
    std::string block;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.size(), start + kBlockSize);
        while (end < text.size() && continuesCharacter(text[end])) ++end;
        const std::string_view piece = text.substr(start, end - start);
        if (cp1252::isPlainAscii(piece)) {
            sink.write(piece);
        } else {
            block.clear();
            if (!cp1252::encodeInto(piece, block)) return false;
            sink.write(block);
        }
        start = end;
    }
    return true;
}

// A character without a Windows-1252 byte, found while writing: the write is given up.
struct NotEncodable {};
}  // namespace

Result<> checkDoitText(const std::string& doittext) {
    if (cp1252::canEncode(doittext)) return {};
    return refusal(texts::messageTextNotEncodable(firstLineNotEncodable(doittext)));
}

void writeDoitBytes(ByteSink& sink, std::string_view doittext) {
    writeEncoded(sink, doittext);
    sink.write("\r\n");
}

std::string doitProPath(const std::string& outputDirectory) {
    return joinFileName(outputDirectory, "doit.pro");
}

Result<> writeDoitPro(const std::string& outputDirectory, const std::string& doittext) {
    const std::string path = doitProPath(outputDirectory);
    Result<> written;
    try {
        written = replaceFile(path, [&doittext](ByteSink& sink) {
            if (!writeEncoded(sink, doittext)) throw NotEncodable();
            sink.write("\r\n");
        });
    } catch (const NotEncodable&) {
        return refusal(texts::messageTextNotEncodable(firstLineNotEncodable(doittext)));
    }
    if (!written)
        return worded(written.failure(),
                      texts::messageFileNotWritten(path, texts::reasonOf(written)));
    return {};
}

}  // namespace stapelwerk
