#include <algorithm>

#include "fuzz_checks.h"
#include "platform/input_decoding.h"
#include "platform/line_reader.h"
#include "worklist/confirm.h"
#include "worklist/line_cells.h"
#include "worklist/paste_lines.h"

namespace stapelwerk::fuzz {

namespace {
// `text` with every line end written as `lineEnd`: CR LF and a lone CR, and a lone LF
// where it ends a line. A last line without an end gets one.
std::string withLineEnds(std::string_view text, LoneLineFeed lineFeed, std::string_view lineEnd) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += lineEnd;
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n' && lineFeed == LoneLineFeed::endsLine) {
            result += lineEnd;
        } else {
            result += text[i];
        }
    }
    if (!result.empty() && !result.ends_with(lineEnd)) result += lineEnd;
    return result;
}

// The lines hold no line end, and each followed by `lineEnd` they give the text back with
// its line ends made alike. As no line holds a line end, the lines are the only ones that
// can do so.
std::string checkSplit(std::string_view text, LoneLineFeed lineFeed) {
    const bool feedEnds = lineFeed == LoneLineFeed::endsLine;
    const std::string_view lineEnd = feedEnds ? "\n" : "\r\n";
    const std::string mode = feedEnds ? "clipboard lines: " : "file lines: ";
    std::string joined;
    for (const std::string& line : splitLines(text, lineFeed)) {
        if (line.find_first_of(feedEnds ? "\r\n" : "\r") != std::string::npos) {
            return mode + "a line holds a line end";
        }
        joined.append(line).append(lineEnd);
    }
    if (joined != withLineEnds(text, lineFeed, lineEnd)) {
        return mode + "the lines joined are not the text with its line ends made alike";
    }
    return {};
}
}  // namespace

std::string checkLines(std::string_view input) {
    for (const LoneLineFeed lineFeed : {LoneLineFeed::staysInLine, LoneLineFeed::endsLine}) {
        if (std::string failure = checkSplit(input, lineFeed); !failure.empty()) return failure;
    }
    // Pasting keeps every clipboard row but the empty ones, those of the header "Name" and a
    // first row that heads columns of typed names, without their byte-order marks.
    std::vector<std::string> rows;
    for (const std::string& line : splitLines(input, LoneLineFeed::endsLine)) {
        const std::string_view row = withoutByteOrderMarks(line);
        if (!row.empty() && !isNameHeader(row)) rows.emplace_back(row);
    }
    const std::vector<std::string> pasted = pastedLines(input);
    const bool headed = rows.size() > 1 && isColumnHeader(rows[0], rows[1]);
    if (!std::equal(pasted.begin(), pasted.end(), rows.begin() + (headed ? 1 : 0), rows.end())) {
        return "pasted lines: not the clipboard rows less empty lines and headers";
    }
    // Confirmed, an entry keeps a TAB or a ';' only from a quoted cell, and then the build
    // refuses it: nothing of another column reaches doit.pro.
    WorkEntries selected;
    for (const std::string& line : pasted) {
        if (line.find('"') == std::string::npos &&
            reducedEntry(line).find_first_of("\t;") != std::string::npos) {
            return "a confirmed entry holds a TAB or a ';' of an unquoted line";
        }
        selected.append(line, true);
    }
    const TextList entries = confirmedEntries(selected);
    if (std::string stray = strayInDoit(entries, {}); !stray.empty()) return stray;
    return {};
}

}  // namespace stapelwerk::fuzz
