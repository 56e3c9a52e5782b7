#include "app/kept_work_list.h"

#include <charconv>
#include <optional>

#include "core/escaped_line.h"
#include "core/texts.h"
#include "platform/input_decoding.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/utf8.h"

namespace stapelwerk {

namespace {
constexpr std::string_view kFormatName = "Stapelwerk-Arbeitsliste ";
constexpr std::string_view kMarked = "+ ";
constexpr std::string_view kUnmarked = "- ";
constexpr std::string_view kLineEnd = "\r\n";
// The lines go out in pieces of about a megabyte.
constexpr std::size_t kPiece = std::size_t{1} << 20;

// "Stapelwerk-Arbeitsliste N" gives N: decimal digits, no sign, no leading 0.
std::optional<unsigned> formatOf(std::string_view line) {
    line = withoutByteOrderMarks(line);
    if (!line.starts_with(kFormatName)) return std::nullopt;
    const std::string_view digits = line.substr(kFormatName.size());
    unsigned format = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), format);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.starts_with('0')) {
        return std::nullopt;
    }
    return format;
}
}  // namespace

std::string keptListPath(const std::string& dataDirectory) {
    return joinFileName(dataDirectory, std::string(kKeptListFileName));
}

void writeKeptList(ByteSink& sink, const WorkEntries& entries) {
    std::string piece(kFormatName);
    piece.append(std::to_string(kKeptListFormat)).append(kLineEnd);
    for (const WorkEntryView entry : entries) {
        piece.append(entry.selected ? kMarked : kUnmarked);
        appendEscaped(piece, entry.text);
        piece.append(kLineEnd);
        if (piece.size() >= kPiece) {
            sink.write(piece);
            piece.clear();
        }
    }
    sink.write(piece);
}

Result<WorkEntries> parseKeptList(std::string_view bytes, std::string_view path) {
    WorkEntries entries;
    std::size_t lineNumber = 0;
    std::optional<std::size_t> damagedAt;
    std::optional<unsigned> newer;
    // Every line of the file ends at CR LF, CR or LF: no entry holds one unescaped.
    forEachLine(bytes, LoneLineFeed::endsLine, [&](std::string_view line) {
        ++lineNumber;
        if (damagedAt || newer) return;
        if (lineNumber == 1) {
            const std::optional<unsigned> format = formatOf(line);
            if (!format) {
                damagedAt = lineNumber;
            } else if (*format > kKeptListFormat) {
                newer = format;
            }
            return;
        }
        const bool marked = line.starts_with(kMarked);
        std::optional<std::string> text;
        if (marked || line.starts_with(kUnmarked)) text = unescaped(line.substr(kMarked.size()));
        if (!text) {
            damagedAt = lineNumber;
            return;
        }
        entries.append(*text, marked);
    });
    if (lineNumber == 0) damagedAt = 1;
    if (newer) return refusal(texts::statusKeptListNewer(path, *newer));
    if (damagedAt) return refusal(texts::statusKeptListDamaged(path, *damagedAt));
    return entries;
}

Result<> keepWorkList(const std::string& dataDirectory, const WorkList& list) {
    if (dataDirectory.empty()) return {};
    const std::string path = keptListPath(dataDirectory);
    const Result<> written =
        replaceFile(path, [&list](ByteSink& sink) { writeKeptList(sink, list.entries()); });
    if (!written) {
        return worded(written.failure(),
                      texts::messageKeptListNotWritten(path, texts::reasonOf(written)));
    }
    return {};
}

Result<WorkEntries> readKeptWorkList(const std::string& dataDirectory) {
    if (dataDirectory.empty()) return WorkEntries();
    const std::string path = keptListPath(dataDirectory);
    const Result<std::string> bytes = readFileBytes(path);
    if (bytes) return parseKeptList(*bytes, path);
    if (namesNothing(bytes.failure())) return WorkEntries();
    return worded(bytes.failure(), texts::statusKeptListNotRead(path, texts::reasonOf(bytes)));
}

}  // namespace stapelwerk
