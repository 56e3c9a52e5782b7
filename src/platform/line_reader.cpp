#include "platform/line_reader.h"

namespace stapelwerk {

std::string_view usualLineEnd(std::string_view text) {
    std::size_t crLf = 0;
    std::size_t lf = 0;
    std::size_t cr = 0;
    for (std::size_t at = text.find_first_of("\r\n"); at != std::string_view::npos;
         at = text.find_first_of("\r\n", at + 1)) {
        if (text[at] == '\n') {
            ++lf;
        } else if (at + 1 < text.size() && text[at + 1] == '\n') {
            ++crLf;
            ++at;
        } else {
            ++cr;
        }
    }
    if (lf > crLf && lf >= cr) return "\n";
    if (cr > crLf && cr > lf) return "\r";
    return "\r\n";
}

std::size_t lineCount(std::string_view text, LoneLineFeed lineFeed) {
    std::size_t count = 0;
    forEachLine(text, lineFeed, [&count](std::string_view) { ++count; });
    return count;
}

std::vector<std::string> splitLines(std::string_view text, LoneLineFeed lineFeed) {
    // Counted first: a list grown by doubling holds up to twice its lines' worth for a
    // moment, and millions of short lines are mostly that overhead.
    std::vector<std::string> lines;
    lines.reserve(lineCount(text, lineFeed));
    forEachLine(text, lineFeed, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

}  // namespace stapelwerk
