#pragma once

#include <string>
#include <string_view>

namespace stapelwerk {

// The text of a file or a pipe the user hands over, as UTF-8: bytes that are well-formed
// UTF-8 are taken as they are, any other bytes as Windows-1252 (a list saved by a Windows
// program). A leading UTF-8 byte-order mark is dropped first; what follows it is judged
// the same way.
std::string decodeUtf8OrCp1252(std::string_view bytes);

}  // namespace stapelwerk
