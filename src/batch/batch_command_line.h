#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/function_table.h"

namespace stapelwerk {

// Exit statuses of the command line.
inline constexpr int kExitSucceeded = 0;
inline constexpr int kExitRefused = 1;     // a refusal or failure: its message on stderr
inline constexpr int kExitUsageError = 2;  // the command line itself is wrong
// "check", whose 0 says that it found nothing: a script tells "write anyway?" from "not read".
inline constexpr int kExitFindings = 1;
inline constexpr int kExitNotChecked = 2;  // a wrong call, or what the check needs was refused
// report: an entry is not done (kExitRefused), or there is no job record to report on.
inline constexpr int kExitNoJobRecord = 2;

// What one call of the command line asks for.
struct BatchRequest {
    // The function that builds doit.pro; none for install-auto, which writes config.pro.
    std::optional<DoitFunction> function;
    // The list of file names; "-" is standard input.
    std::string listPath = "-";
    // Unset: the current directory.
    std::optional<std::string> outputDirectory;
    bool toStandardOutput = false;
    // The function's argument (its chain or parameter name), as given.
    std::string argument;
    // A function that needs values: exactly one of the two is set; "-" is standard input.
    std::optional<std::string> valuesPath;
    std::optional<std::string> keyedPath;
    bool allowMissing = false;
    // install-auto: append `auto` also when config.pro defines it already.
    bool allowSecondAuto = false;
    // A finding of the check before writing refuses the write.
    bool strict = false;
    // The check does not look where the CAD system finds the files (they lie in a workspace).
    bool noLocate = false;
    // "check": the function's input is checked, nothing is written.
    bool checkOnly = false;
    // Nothing on standard error when all went well; warnings and refusals are still said.
    bool quiet = false;
    // doit writes its journal.
    bool journal = false;
    // The run of the doit.pro in the output directory: its results told ("report"), or the
    // entries it did not do written anew ("resume").
    bool report = false;
    bool resume = false;
    // "run": the job record to build and write again (a file, or the directory it lies in).
    std::optional<std::string> jobPath;
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
