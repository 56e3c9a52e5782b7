#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stapelwerk {

// How a lone LF is treated when text is cut into lines.
enum class LoneLineFeed {
    staysInLine,  // files: only CR LF and a lone CR end a line
    endsLine,     // clipboard text, which the toolkit hands over with LF line ends
};

// The lines of a text without their line ends. A last line without a line end
// still counts; a line end at the very end does not start another line.
std::vector<std::string> splitLines(std::string_view text, LoneLineFeed lineFeed);

}  // namespace stapelwerk
