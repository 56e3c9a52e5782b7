#pragma once

#include <functional>

namespace stapelwerk {

// The window program: the application, the platform, one job and the main window, run
// until the window closes. `shown` is called once the window is up.
int runProgram(int& argc, char** argv, const std::function<void()>& shown = {});

}  // namespace stapelwerk
