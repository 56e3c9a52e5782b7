#pragma once

#include <string>
#include <string_view>

namespace stapelwerk {

// Where doit.pro goes for the output-directory text `outputDirectory`.
std::string doitProPath(const std::string& outputDirectory);

// The outcome of writing doit.pro; `message` explains a failure to the user.
struct DoitWriteResult {
    bool ok = false;
    std::string path;
    std::string message;
};

class ByteSink;

// The message that refuses `doittext` when it holds a character Windows-1252 cannot
// hold, naming the first such line; empty when it can be written.
std::string refusalForDoitText(const std::string& doittext);

// The bytes of doit.pro: `doittext` in Windows-1252 and one CR LF, written in blocks.
// The text must have passed refusalForDoitText.
void writeDoitBytes(ByteSink& sink, std::string_view doittext);

// Writes `doittext` and one CR LF as Windows-1252 to doit.pro in `outputDirectory`. The
// old file is replaced only by a complete new one.
DoitWriteResult writeDoitPro(const std::string& outputDirectory, const std::string& doittext);

}  // namespace stapelwerk
