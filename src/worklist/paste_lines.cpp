#include "worklist/paste_lines.h"

#include "platform/input_limit.h"
#include "platform/line_reader.h"

namespace stapelwerk {

std::string_view firstCell(std::string_view line) { return line.substr(0, line.find('\t')); }

bool isNameHeader(std::string_view line) { return firstCell(line) == "Name"; }

bool pasteTooLarge(std::string_view clipboardText) {
    return clipboardText.size() > kMostInputBytes;
}

std::vector<std::string> pastedLines(std::string_view clipboardText) {
    std::vector<std::string> lines;
    for (std::string& line : splitLines(clipboardText, LoneLineFeed::endsLine)) {
        if (line.empty() || isNameHeader(line)) continue;
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace stapelwerk
