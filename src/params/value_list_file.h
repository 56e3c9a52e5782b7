#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

// The one value list file, "Lindwurm_param.txt" in the program's directory:
// one value a line, Windows-1252 (or UTF-16 with its byte-order mark, as an editor may
// save it), CR LF.
namespace stapelwerk {

class Platform;

// The value list file in `directory`.
std::string valueListPath(const std::string& directory);

// Where the program keeps its value list: beside itself; an installed program in the user's
// data folder, unless a list lies beside it already (kept there by its user, it stays there).
std::string valueListPath(Platform& platform);

// The values of a value list's text: every line is a value, empty lines included;
// lines end at CR LF or a lone CR, and a lone LF stays in its line.
std::vector<std::string> valueListLines(std::string_view text);

// The file's lines as valueListLines cuts them, decoded from Windows-1252. A missing
// file is refused with a message that says so (namesNothing tells it from other failures).
Result<std::vector<std::string>> readValueList(const std::string& path);

// The values that the bytes of a value list file hold, as readValueList reads them.
std::vector<std::string> valuesFromBytes(std::string_view bytes);

// Writes every value followed by CR LF; the old file is replaced only by a
// complete new one. A value that a line cannot hold (cp1252::isLineText) is refused and
// nothing is written.
Result<> writeValueList(const std::string& path, const std::vector<std::string>& values);

}  // namespace stapelwerk
