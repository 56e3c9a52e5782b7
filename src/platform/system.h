#pragma once

namespace stapelwerk::os {

// The system the program runs on, where what the user reads differs by it (the command
// line's examples are written for its shell). os_<system>.cpp defines it.
enum class System { posix, windows };
extern const System kSystem;

}  // namespace stapelwerk::os
