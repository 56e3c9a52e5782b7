#include <cstdlib>
#include <iostream>
#include <new>
#include <string_view>
#include <vector>

#include "app/window_arguments.h"
#include "ui/app/GuardedApplication.h"
#include "ui/app/Program.h"

namespace {

// Where Qt would find a screen: an X or Wayland display, or a platform chosen by hand
// (offscreen, vnc). Windows always has one.
bool hasDisplay() {
#ifdef _WIN32
    return true;
#else
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (const auto answer =
            stapelwerk::answerOnTerminal(arguments, hasDisplay(), STAPELWERK_VERSION)) {
        (answer->toStandardError ? std::cerr : std::cout) << answer->text << std::flush;
        return answer->exitStatus;
    }
    try {
        return stapelwerk::runProgram(argc, argv);
    } catch (const std::bad_alloc&) {
        // Outside the event loop: while the window is built, or as it is torn down.
        stapelwerk::endOutOfMemory();
    }
}
