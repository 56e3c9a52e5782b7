#pragma once

#include <optional>
#include <string>
#include <string_view>

// The INI files in which the window keeps its settings where the system has no store of its
// own ("Stapelwerk.ini", "Lindwurm.ini"): the format that QSettings reads and writes, so that
// the files users have read on, with the same sections, keys (dots kept, other characters as
// %XX) and escaped, quoted values. The file's bytes are UTF-8, and so are all texts here.
namespace stapelwerk::ini {

// The text kept under `key` in `section` of the file `text`, as QSettings gives it: comments
// (";") and line ends within quotes or after a backslash as it reads them, a later line
// winning over an earlier one. Nothing when the file has no such key or marks its value as
// none (@Invalid()); a value that is no text (a list, a size) reads as empty, as QSettings
// gives it as text.
std::optional<std::string> valueOf(std::string_view text, std::string_view section,
                                   std::string_view key);

// `text` with the value of `key` in `section` set to `value`, written as QSettings writes it:
// the key's line replaced, or a new line at the start of its section, or the section added
// at the end. Every other byte of the file stays.
std::string withValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value);

}  // namespace stapelwerk::ini
