#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stapelwerk {

// What the window program answers on the terminal instead of opening, and its exit status.
struct TerminalAnswer {
    std::string text;
    int exitStatus = 0;
    bool toStandardError = false;
};

// The environment variables that tell Qt where to open its window; an unset one is empty.
struct DisplayVariables {
    std::string_view platform = {};  // QT_QPA_PLATFORM
    std::string_view x11 = {};       // DISPLAY
    std::string_view wayland = {};   // WAYLAND_DISPLAY
};

// The variables that the window system chosen needs and lacks ("DISPLAY",
// "WAYLAND_DISPLAY"); none where it has what it needs or needs none (offscreen, vnc, a
// frame buffer). The choice is `-platform NAME` among the arguments, else QT_QPA_PLATFORM
// (names with their options after ':', a ';' between the names Qt tries in turn), else X11
// or Wayland, whichever has a display. Qt's `-display NAME` names an X11 display too.
std::vector<std::string_view> missingDisplay(const std::vector<std::string_view>& arguments,
                                             const DisplayVariables& variables);

// Decided before Qt starts: Qt would open the window for --help, and abort in English
// where there is no display (`missing` names what it lacks). Nothing means: open the window.
std::optional<TerminalAnswer> answerOnTerminal(const std::vector<std::string_view>& arguments,
                                               const std::vector<std::string_view>& missing,
                                               std::string_view version);

}  // namespace stapelwerk
