#include <gtest/gtest.h>

#include "cadconfig/config_options.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using Value = std::optional<std::string_view>;

TEST(ConfigOptions, TheNameIsTheFirstWordAndTheValueTheRestUpToAComment) {
    const struct {
        std::string_view line;
        std::optional<std::pair<std::string_view, std::string_view>> option;
    } cases[] = {
        {"new_parameter_ui no", {{"new_parameter_ui", "no"}}},
        {"  NEW_PARAMETER_UI\t NO \t", {{"NEW_PARAMETER_UI", "NO"}}},
        {"new_parameter_ui no ! the deletion needs it", {{"new_parameter_ui", "no"}}},
        {"new_parameter_ui no!", {{"new_parameter_ui", "no"}}},
        {"search_path C:\\parts \"D:\\my parts\"", {{"search_path", "C:\\parts \"D:\\my parts\""}}},
        {"display_full_path", {{"display_full_path", ""}}},
        {"! new_parameter_ui no", std::nullopt},
        {"  ! comment", std::nullopt},
        {" \t ", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const std::optional<ConfigOption> option = optionOn(c.line);
        ASSERT_EQ(option.has_value(), c.option.has_value());
        if (!option) continue;
        EXPECT_EQ(option->name, c.option->first);
        EXPECT_EQ(option->value, c.option->second);
    }
}

TEST(ConfigOptions, TheLastSettingWinsWhateverTheLetterCaseAndTheLineEnds) {
    const struct {
        std::string_view bytes;
        Value value;
    } cases[] = {
        {"new_parameter_ui yes\r\nNew_Parameter_UI no\r\n", "no"},
        {"new_parameter_ui yes\nnew_parameter_ui no\n", "no"},
        {"new_parameter_ui yes\rnew_parameter_ui no", "no"},
        {"new_parameter_ui no\n! new_parameter_ui yes\n", "no"},
        {"mapkey ds new_parameter_ui yes;\nnew_parameter_uix yes\n", std::nullopt},
        {"display_full_path yes\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lastOptionValue(c.bytes, "new_parameter_ui"), c.value)
            << ::testing::PrintToString(std::string(c.bytes));
    }
}

TEST(ConfigOptions, EachFileReadAtStartAndTheValueThatHoldsAfterAll) {
    testing::TempDir dir;
    testing::writeBytes(dir.file("home.pro"), "new_parameter_ui no\n");
    testing::writeBytes(dir.file("start.pro"), "display_full_path yes\r\n");
    testing::writeBytes(dir.file("later.pro"), "NEW_PARAMETER_UI YES\r\n");
    const OptionSettings settings = readOptionSettings(
        {dir.file("home.pro"), dir.file("none.pro"), dir.file("start.pro")}, "new_parameter_ui");
    EXPECT_EQ(settings.read, (std::vector<OptionInFile>{{dir.file("home.pro"), "no"},
                                                        {dir.file("start.pro"), std::nullopt}}));
    ASSERT_EQ(settings.unread.size(), 1U);
    EXPECT_EQ(settings.unread[0].path, dir.file("none.pro"));
    EXPECT_EQ(effectiveValue(settings), "no")
        << "a later file that does not set it changes nothing";

    const OptionSettings overridden =
        readOptionSettings({dir.file("home.pro"), dir.file("later.pro")}, "new_parameter_ui");
    EXPECT_EQ(effectiveValue(overridden), "YES");
    EXPECT_EQ(effectiveValue(readOptionSettings({dir.file("start.pro")}, "new_parameter_ui")),
              std::nullopt);
}

}  // namespace
}  // namespace stapelwerk
