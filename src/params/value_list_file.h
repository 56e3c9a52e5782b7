#pragma once

#include <string>
#include <vector>

// The one value list file, "Lindwurm_param.txt" in the program's directory:
// one value a line, Windows-1252, CR LF.
namespace stapelwerk {

std::string valueListPath(const std::string& programDirectory);

// The values read, or the message that says why the file could not be read.
struct ValueListRead {
    std::vector<std::string> values;
    std::string message;  // empty on success
    bool ok() const { return message.empty(); }
};

// Every line of the file is a value, empty lines included; a lone LF stays in
// its line. A missing file reads as no values, without a message.
ValueListRead readValueList(const std::string& path);

// Writes every value followed by CR LF; the old file is replaced only by a
// complete new one. A value that a line cannot hold (cp1252::isLineText) is refused and
// nothing is written. Returns the message for the user, empty on success.
std::string writeValueList(const std::string& path, const std::vector<std::string>& values);

}  // namespace stapelwerk
