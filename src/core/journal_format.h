#pragma once

#include <string_view>

// The journal of a run: doit appends a line to it, through the system's shell, when the run
// starts, after each entry and at its end. A line holds the run's id (run_id.h), a blank and
// the entry's number (counted from 1) or one of the marks; nothing else, so that the same
// command runs unchanged in cmd.exe and /bin/sh. The shell ends it with CR LF or LF.
namespace stapelwerk::journal {

// In the CAD system's working directory, which is the directory of doit.pro.
inline constexpr std::string_view kFileName = "doit.journal";
inline constexpr std::string_view kStartMark = "start";
inline constexpr std::string_view kEndMark = "ende";

}  // namespace stapelwerk::journal
