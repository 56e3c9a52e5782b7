#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generate/doit_builder.h"

namespace stapelwerk::testing {

using Lines = std::vector<std::string>;

inline const std::string kHead = "mapkey doit ~ ;\\";
inline const std::string kEnd = "mapkey(continued) ~ ;";

// Line `number` (counted from 1) of a template, without its CR LF.
std::string templateLine(std::string_view text, int number);

// The lines joined, each followed by CR LF: the bytes of a file with these lines.
std::string fileWithLines(const std::vector<std::string>& lines);

// Appends lines `from` to `to` of a template.
void appendTemplateLines(Lines& lines, std::string_view text, int from, int to);

// What the writer puts on disk for a built text; fails the test when it was refused.
std::string fileOf(const BuiltText& built);

}  // namespace stapelwerk::testing
