#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace stapelwerk {

// Exit statuses of the command line.
inline constexpr int kExitSucceeded = 0;
inline constexpr int kExitRefused = 1;     // a refusal or failure: its message on stderr
inline constexpr int kExitUsageError = 2;  // the command line itself is wrong

enum class BatchFunction { saveAs, runMapkeys, deleteParameter, assignParameter, installAuto };

// What one call of the command line asks for.
struct BatchRequest {
    BatchFunction function = BatchFunction::saveAs;
    // The list of file names; "-" is standard input.
    std::string listPath = "-";
    // Unset: the current directory.
    std::optional<std::string> outputDirectory;
    bool toStandardOutput = false;
    // The chain of run-mapkeys, or the parameter name, as given.
    std::string argument;
    // assign-parameter: exactly one of the two is set; "-" is standard input.
    std::optional<std::string> valuesPath;
    std::optional<std::string> keyedPath;
    bool allowMissing = false;
    // install-auto: append `auto` also when config.pro defines it already.
    bool allowSecondAuto = false;
    // A finding of the check before writing refuses the write.
    bool strict = false;
    // "check": the function's input is checked, nothing is written.
    bool checkOnly = false;
};

// The request to run, or, when the call has been answered already (help, version, a usage
// error, written to `out` or `err`), the exit status.
struct ParsedCommandLine {
    std::optional<BatchRequest> request;
    int exitStatus = kExitSucceeded;
};

// Reads the arguments that follow the program's name.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                   std::ostream& err);

}  // namespace stapelwerk
