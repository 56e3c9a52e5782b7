#include "app/window_arguments.h"

#include <gtest/gtest.h>

#include "core/texts.h"

namespace stapelwerk {
namespace {

TEST(WindowArguments, HelpAndVersionAnswerOnTheTerminalAndNoDisplayIsRefusedInGerman) {
    const struct {
        std::vector<std::string_view> arguments;
        bool hasDisplay;
        std::optional<std::string> text;
        int exitStatus;
    } cases[] = {
        {{}, true, std::nullopt, 0},
        {{"-style", "fusion"}, true, std::nullopt, 0},  // Qt's own options reach Qt
        {{"--help"}, false, std::string(texts::kWindowHelp), 0},
        {{"-h"}, true, std::string(texts::kWindowHelp), 0},
        {{"--version"}, false, "stapelwerk 1.2\n", 0},
        {{}, false, std::string(texts::kMessageNoDisplay), 1},
    };
    for (const auto& c : cases) {
        const auto answer = answerOnTerminal(c.arguments, c.hasDisplay, "1.2");
        ASSERT_EQ(answer.has_value(), c.text.has_value());
        if (!answer) continue;
        EXPECT_EQ(answer->text, *c.text);
        EXPECT_EQ(answer->exitStatus, c.exitStatus);
        EXPECT_EQ(answer->toStandardError, c.exitStatus != 0);
    }
}

}  // namespace
}  // namespace stapelwerk
