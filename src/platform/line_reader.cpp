#include "platform/line_reader.h"

namespace stapelwerk {

std::vector<std::string> splitLines(std::string_view text, LoneLineFeed lineFeed) {
    std::vector<std::string> lines;
    std::string current;
    bool open = false;  // whether `current` holds a started line
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool lineEnd = c == '\r' || (c == '\n' && lineFeed == LoneLineFeed::EndsLine);
        if (!lineEnd) {
            current += c;
            open = true;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.push_back(std::move(current));
        current.clear();
        open = false;
    }
    if (open) lines.push_back(std::move(current));
    return lines;
}

}  // namespace stapelwerk
