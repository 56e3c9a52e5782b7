#pragma once

#include <string>
#include <string_view>

#include "core/work_list.h"
#include "platform/result.h"

// The work list kept from one run of the window to the next, in the user's data directory:
// written when the window is left, read when it opens. Plain UTF-8 text with CR LF line
// ends that a person can read: a first line naming the format and its version, then an
// entry a line in the list's order, its mark first ("+" marked, "-" not) and a blank:
//
//   Stapelwerk-Arbeitsliste 1
//   + welle.prt
//   - 200000_mutter.drw;1;Freigegeben
//
// A '%' and a control character other than TAB (a line break in the name of a dropped
// file) stand as '%' and two hex digits ("%0A"), so that every entry keeps its one line.
namespace stapelwerk {

class ByteSink;

inline constexpr std::string_view kKeptListFileName = "Arbeitsliste.txt";
inline constexpr unsigned kKeptListFormat = 1;

std::string keptListPath(const std::string& dataDirectory);

// The file's bytes for `entries`.
void writeKeptList(ByteSink& sink, const WorkEntries& entries);

// The entries in `bytes`, the content of the file `path`. A damaged file, or one of a
// newer format than kKeptListFormat, is refused with a message that names `path`.
Result<WorkEntries> parseKeptList(std::string_view bytes, std::string_view path);

// Replaces the kept list in `dataDirectory` by `list`; a failure comes with its message.
// Where the system names no data directory (an empty one), nothing is kept.
Result<> keepWorkList(const std::string& dataDirectory, const WorkList& list);

// The list kept in `dataDirectory`: empty where none was kept; a refusal with its message
// where the file cannot be read or is damaged.
Result<WorkEntries> readKeptWorkList(const std::string& dataDirectory);

}  // namespace stapelwerk
