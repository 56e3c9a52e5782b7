#include "app/window_arguments.h"

#include <algorithm>

#include "core/texts.h"

namespace stapelwerk {

namespace {
constexpr std::string_view kX11Variable = "DISPLAY";
constexpr std::string_view kWaylandVariable = "WAYLAND_DISPLAY";

// The value of one of Qt's own options, as Qt reads it: "-name VALUE" or "--name VALUE";
// empty where it is not given.
std::string_view qtOption(const std::vector<std::string_view>& arguments, std::string_view name) {
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument.starts_with("--")) argument.remove_prefix(1);
        if (argument.starts_with('-') && argument.substr(1) == name) return arguments[i + 1];
    }
    return {};
}

// The display variable a window system needs; none for one that draws without a display.
std::optional<std::string_view> neededVariable(std::string_view platform) {
    platform = platform.substr(0, platform.find(':'));
    if (platform == "xcb") return kX11Variable;
    if (platform.starts_with("wayland")) return kWaylandVariable;
    return std::nullopt;
}
}  // namespace

std::vector<std::string_view> missingDisplay(const std::vector<std::string_view>& arguments,
                                             const DisplayVariables& variables) {
    // X11's display may also be named by Qt's option -display.
    const bool x11 = !variables.x11.empty() || !qtOption(arguments, "display").empty();
    const auto isSet = [&](std::string_view name) {
        return name == kX11Variable ? x11 : !variables.wayland.empty();
    };
    std::string_view platforms = qtOption(arguments, "platform");
    if (platforms.empty()) platforms = variables.platform;
    if (platforms.empty()) {
        if (isSet(kX11Variable) || isSet(kWaylandVariable)) return {};
        return {kX11Variable, kWaylandVariable};
    }
    std::vector<std::string_view> missing;
    while (!platforms.empty()) {
        const std::size_t end = platforms.find(';');
        const std::optional<std::string_view> needed = neededVariable(platforms.substr(0, end));
        if (!needed || isSet(*needed)) return {};
        if (std::find(missing.begin(), missing.end(), *needed) == missing.end()) {
            missing.push_back(*needed);
        }
        platforms = end == std::string_view::npos ? std::string_view() : platforms.substr(end + 1);
    }
    return missing;
}

std::optional<TerminalAnswer> answerOnTerminal(const std::vector<std::string_view>& arguments,
                                               const std::vector<std::string_view>& missing,
                                               std::string_view version) {
    const auto given = [&arguments](std::string_view a, std::string_view b) {
        return std::any_of(arguments.begin(), arguments.end(), [&](std::string_view argument) {
            return argument == a || argument == b;
        });
    };
    if (given("--help", "-h")) return TerminalAnswer{std::string(texts::kWindowHelp), 0, false};
    if (given("--version", "-v")) {
        return TerminalAnswer{"stapelwerk " + std::string(version) + "\n", 0, false};
    }
    if (!missing.empty()) return TerminalAnswer{texts::messageNoDisplay(missing), 1, true};
    return std::nullopt;
}

}  // namespace stapelwerk
