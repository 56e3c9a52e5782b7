#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace stapelwerk {

// How a lone LF is treated when text is cut into lines.
enum class LoneLineFeed {
    staysInLine,  // the program's files: only CR LF and a lone CR end a line
    // clipboard text, which the toolkit hands over with LF line ends, and config.pro, whose
    // lines the CAD system ends at LF as well
    endsLine,
};

// Calls `line` with every line of `text` in turn, without its line end, as a view into
// `text`. A last line without a line end still counts; a line end at the very end does
// not start another line.
template <typename Line>
void forEachLine(std::string_view text, LoneLineFeed lineFeed, Line line) {
    const char* ends = lineFeed == LoneLineFeed::endsLine ? "\r\n" : "\r";
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of(ends, start);
        if (end == std::string_view::npos) {
            line(text.substr(start));
            return;
        }
        line(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
}

// The line end that most lines of `text` end with, where LF, CR LF and a lone CR each end
// one: "\n", "\r\n" or "\r". CR LF, the program's own, where none ends a line or where
// it is as frequent as the most frequent; LF before CR where those two are.
std::string_view usualLineEnd(std::string_view text);

// How many lines forEachLine finds.
std::size_t lineCount(std::string_view text, LoneLineFeed lineFeed);

// The lines of a text without their line ends, as forEachLine cuts them.
std::vector<std::string> splitLines(std::string_view text, LoneLineFeed lineFeed);

}  // namespace stapelwerk
