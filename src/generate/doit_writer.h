#pragma once

#include <string>
#include <string_view>

#include "platform/result.h"

namespace stapelwerk {

// Where doit.pro goes for the output-directory text `outputDirectory`.
std::string doitProPath(const std::string& outputDirectory);

class ByteSink;

// Refuses `doittext` when it holds a character Windows-1252 cannot hold, naming the first
// such line.
Result<> checkDoitText(const std::string& doittext);

// The bytes of doit.pro: `doittext` in Windows-1252 and one CR LF, written in blocks.
// The text must have passed checkDoitText.
void writeDoitBytes(ByteSink& sink, std::string_view doittext);

// Writes `doittext` and one CR LF as Windows-1252 to doit.pro in `outputDirectory`, encoding
// it as it goes. The old file is replaced only by a complete new one; a failure's message
// names the path, and a character that Windows-1252 cannot hold is refused as
// checkDoitText refuses it.
Result<> writeDoitPro(const std::string& outputDirectory, const std::string& doittext);

}  // namespace stapelwerk
