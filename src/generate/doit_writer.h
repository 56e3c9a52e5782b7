#pragma once

#include <string>

namespace stapelwerk {

// Where doit.pro goes for the output-directory text `outputDirectory`.
std::string doitProPath(const std::string& outputDirectory);

// The outcome of writing doit.pro; `message` explains a failure to the user.
struct DoitWriteResult {
    bool ok = false;
    std::string path;
    std::string message;
};

// Writes `doittext` and one CR LF as Windows-1252 to doit.pro in `outputDirectory`. The
// old file is replaced only by a complete new one.
DoitWriteResult writeDoitPro(const std::string& outputDirectory, const std::string& doittext);

}  // namespace stapelwerk
