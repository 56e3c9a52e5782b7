#include "platform/line_reader.h"

namespace stapelwerk {

std::vector<std::string> splitLines(std::string_view text, LoneLineFeed lineFeed) {
    const char* ends = lineFeed == LoneLineFeed::endsLine ? "\r\n" : "\r";
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of(ends, start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

}  // namespace stapelwerk
