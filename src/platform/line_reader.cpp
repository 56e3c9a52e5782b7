#include "platform/line_reader.h"

namespace stapelwerk {

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
