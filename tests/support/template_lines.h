#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stapelwerk::testing {

// Line `number` (counted from 1) of a template, without its CR LF.
std::string templateLine(std::string_view text, int number);

// The lines joined, each followed by CR LF: the bytes of a file with these lines.
std::string fileWithLines(const std::vector<std::string>& lines);

}  // namespace stapelwerk::testing
