#include "worklist/paste_lines.h"

#include "platform/line_reader.h"

namespace stapelwerk {

std::vector<std::string> pastedLines(std::string_view clipboardText) {
    std::vector<std::string> lines;
    for (std::string& line : splitLines(clipboardText, LoneLineFeed::endsLine)) {
        if (line.empty() || line == "Name") continue;
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace stapelwerk
