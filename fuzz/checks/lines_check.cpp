#include "fuzz_checks.h"
#include "platform/line_reader.h"
#include "worklist/confirm.h"
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
    // Pasting keeps every clipboard line but the empty ones and the column headers, of one
    // column ("Name") or of several ("Name" and a TAB).
    std::vector<std::string> kept;
    for (std::string& line : splitLines(input, LoneLineFeed::endsLine)) {
        if (!line.empty() && line != "Name" && !line.starts_with("Name\t")) {
            kept.push_back(std::move(line));
        }
    }
    const std::vector<std::string> pasted = pastedLines(input);
    if (pasted != kept) return "pasted lines: not the clipboard lines less empty lines and headers";
    // Confirmed, no entry keeps a TAB: a file name is the first column.
    WorkEntries selected;
    for (const std::string& line : pasted) selected.push_back({line, true});
    for (const std::string& entry : confirmedEntries(selected)) {
        if (entry.find('\t') != std::string::npos) return "a confirmed entry holds a TAB";
    }
    return {};
}

}  // namespace stapelwerk::fuzz
