#include "app/window_arguments.h"

#include <gtest/gtest.h>

#include "core/texts.h"

namespace stapelwerk {
namespace {

TEST(WindowArguments, HelpAndVersionAnswerOnTheTerminalAndNoDisplayIsRefusedInGerman) {
    const std::vector<std::string_view> none;
    const std::vector<std::string_view> x11 = {"DISPLAY"};
    const struct {
        std::vector<std::string_view> arguments;
        std::vector<std::string_view> missing;
        std::optional<std::string> text;
        int exitStatus;
    } cases[] = {
        {{}, none, std::nullopt, 0},
        {{"-style", "fusion"}, none, std::nullopt, 0},  // Qt's own options reach Qt
        {{"--help"}, x11, std::string(texts::kWindowHelp), 0},
        {{"-h"}, none, std::string(texts::kWindowHelp), 0},
        {{"--version"}, x11, "stapelwerk 1.2\n", 0},
        {{}, x11, texts::messageNoDisplay(x11), 1},
    };
    for (const auto& c : cases) {
        const auto answer = answerOnTerminal(c.arguments, c.missing, "1.2");
        ASSERT_EQ(answer.has_value(), c.text.has_value());
        if (!answer) continue;
        EXPECT_EQ(answer->text, *c.text);
        EXPECT_EQ(answer->exitStatus, c.exitStatus);
        EXPECT_EQ(answer->toStandardError, c.exitStatus != 0);
    }
    EXPECT_NE(texts::messageNoDisplay(x11).find("stapelwerk-batch"), std::string::npos);
}

TEST(WindowArguments, TheDisplayLackingIsThatOfTheWindowSystemChosen) {
    using Missing = std::vector<std::string_view>;
    const struct {
        std::vector<std::string_view> arguments;
        DisplayVariables variables;
        Missing missing;
    } cases[] = {
        {{}, {}, {"DISPLAY", "WAYLAND_DISPLAY"}},
        {{}, {.x11 = ":0"}, {}},
        {{}, {.wayland = "wayland-0"}, {}},
        // Chosen by hand, the other system's display does not help.
        {{}, {.platform = "xcb", .wayland = "wayland-0"}, {"DISPLAY"}},
        {{}, {.platform = "wayland-egl", .x11 = ":0"}, {"WAYLAND_DISPLAY"}},
        {{}, {.platform = "wayland;xcb", .x11 = ":0"}, {}},
        {{}, {.platform = "wayland;xcb"}, {"WAYLAND_DISPLAY", "DISPLAY"}},
        {{}, {.platform = "offscreen"}, {}},
        {{}, {.platform = "vnc:size=800x600"}, {}},
        // Qt's own arguments win over the variables.
        {{"-platform", "xcb"}, {.platform = "offscreen"}, {"DISPLAY"}},
        {{"--platform", "offscreen"}, {.platform = "xcb"}, {}},
        {{"-platform", "xcb", "-display", ":1"}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.variables.platform));
        EXPECT_EQ(missingDisplay(c.arguments, c.variables), c.missing);
    }
}

}  // namespace
}  // namespace stapelwerk
