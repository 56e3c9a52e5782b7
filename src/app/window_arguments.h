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

// Decided before Qt starts: Qt would open the window for --help, and abort in English
// where there is no display. Nothing means: open the window.
std::optional<TerminalAnswer> answerOnTerminal(const std::vector<std::string_view>& arguments,
                                               bool hasDisplay, std::string_view version);

}  // namespace stapelwerk
