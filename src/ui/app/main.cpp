#include <cstdlib>
#include <iostream>
#include <new>
#include <string_view>
#include <vector>

#include "app/window_arguments.h"
#include "ui/app/GuardedApplication.h"
#include "ui/app/Program.h"

namespace {

// What Qt would lack to open the window. Windows always has a screen.
std::vector<std::string_view> missingDisplay(const std::vector<std::string_view>& arguments) {
#ifdef _WIN32
    static_cast<void>(arguments);
    return {};
#else
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr ? std::string_view(value) : std::string_view();
    };
    return stapelwerk::missingDisplay(
        arguments, {variable("QT_QPA_PLATFORM"), variable("DISPLAY"), variable("WAYLAND_DISPLAY")});
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (const auto answer = stapelwerk::answerOnTerminal(arguments, missingDisplay(arguments),
                                                         STAPELWERK_VERSION)) {
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
