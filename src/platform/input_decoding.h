#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace stapelwerk {

// The text of a file or a pipe the user hands over, as UTF-8: bytes that are well-formed
// UTF-8 are taken as they are, any other bytes as Windows-1252 (a list saved by a Windows
// program). A leading UTF-8 byte-order mark is dropped first; what follows it is judged
// the same way. Bytes that start with a UTF-16 byte-order mark are read as UTF-16.
std::string decodeUtf8OrCp1252(std::string bytes);

// The text of bytes that start with a UTF-16 byte-order mark (little or big endian, as
// "Unicode text" of a spreadsheet or an editor), as UTF-8 without the mark; nothing for
// other bytes. A lone surrogate or an odd last byte becomes U+FFFD, which no line of
// doit.pro can hold, so the entry that has it is refused by name instead of changed.
std::optional<std::string> decodeMarkedUtf16(std::string_view bytes);

// A line of decoded text without the UTF-8 byte-order marks it starts with: where two files
// were joined, the second one's mark stands at a line's start, an invisible character that
// would become part of a name.
std::string_view withoutByteOrderMarks(std::string_view line);

}  // namespace stapelwerk
