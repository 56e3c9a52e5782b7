#include "worklist/paste_lines.h"

#include "platform/input_limit.h"
#include "platform/line_reader.h"
#include "worklist/line_cells.h"

namespace stapelwerk {

bool pasteTooLarge(std::string_view clipboardText) {
    return clipboardText.size() > kMostInputBytes;
}

std::vector<std::string> pastedLines(std::string_view clipboardText) {
    // Each line is copied once, from the text, into a list made at its size.
    std::vector<std::string> lines;
    lines.reserve(lineCount(clipboardText, LoneLineFeed::endsLine));
    forEachListRow(clipboardText, [&lines](std::string_view row) { lines.emplace_back(row); });
    return lines;
}

WorkEntries pastedEntries(std::string_view clipboardText) {
    // Straight into the list's buffer: no string of its own for each of a million lines.
    WorkEntries entries;
    entries.reserve(lineCount(clipboardText, LoneLineFeed::endsLine), clipboardText.size());
    forEachListRow(clipboardText, [&entries](std::string_view row) { entries.append(row); });
    return entries;
}

}  // namespace stapelwerk
