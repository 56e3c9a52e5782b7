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
    // Each line is copied once, from the text, into a list made at its size.
    std::vector<std::string> lines;
    lines.reserve(lineCount(clipboardText, LoneLineFeed::endsLine));
    forEachLine(clipboardText, LoneLineFeed::endsLine, [&lines](std::string_view line) {
        if (!line.empty() && !isNameHeader(line)) lines.emplace_back(line);
    });
    return lines;
}

}  // namespace stapelwerk
