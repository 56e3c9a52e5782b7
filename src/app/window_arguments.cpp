#include "app/window_arguments.h"

#include <algorithm>

#include "core/texts.h"

namespace stapelwerk {

std::optional<TerminalAnswer> answerOnTerminal(const std::vector<std::string_view>& arguments,
                                               bool hasDisplay, std::string_view version) {
    const auto given = [&arguments](std::string_view a, std::string_view b) {
        return std::any_of(arguments.begin(), arguments.end(), [&](std::string_view argument) {
            return argument == a || argument == b;
        });
    };
    if (given("--help", "-h")) return TerminalAnswer{std::string(texts::kWindowHelp), 0, false};
    if (given("--version", "-v")) {
        return TerminalAnswer{"stapelwerk " + std::string(version) + "\n", 0, false};
    }
    if (!hasDisplay) return TerminalAnswer{std::string(texts::kMessageNoDisplay), 1, true};
    return std::nullopt;
}

}  // namespace stapelwerk
