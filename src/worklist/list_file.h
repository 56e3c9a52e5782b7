#pragma once

#include <string>

#include "platform/result.h"

namespace stapelwerk {

// The text of a list file the user names (the window's "Liste aus Datei…", the command
// line's lists and value files): UTF-8, UTF-16 with its byte-order mark or Windows-1252, as
// decodeUtf8OrCp1252 tells them apart. A file that cannot be read is refused with a message
// that names it and the reason.
Result<std::string> readListText(const std::string& path);

}  // namespace stapelwerk
