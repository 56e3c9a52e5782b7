#include "app/explanations.h"

#include <array>

#include "core/function_table.h"
#include "core/texts.h"

namespace stapelwerk {

namespace {
struct FixedExplanation {
    std::string_view control;
    std::string_view text;
};

constexpr std::array kOtherControls = {
    FixedExplanation{"cmd_fcreate", texts::kExplainWrite},
    FixedExplanation{"cmd_preview", texts::kExplainPreview},
    FixedExplanation{"chk_journal", texts::kExplainJournal},
    FixedExplanation{"lbl_status", texts::kExplainStatus},
    FixedExplanation{"Image1", texts::kExplainInfo},
    FixedExplanation{"img_exit", texts::kExplainExit},
    FixedExplanation{"img_files", texts::kExplainFiles},
    FixedExplanation{"Label7", texts::kExplainOutputDirectory},
};

// The function panel's buttons, and the other controls.
constexpr auto kFixed = [] {
    std::array<FixedExplanation, kFunctionTable.size() + kOtherControls.size()> all{};
    std::size_t i = 0;
    for (const FunctionRow& row : kFunctionTable) all[i++] = {row.button, row.explanation};
    for (const FixedExplanation& other : kOtherControls) all[i++] = other;
    return all;
}();

constexpr std::string_view kAutoButton = "cmd_auto";

constexpr auto kExplained = [] {
    std::array<std::string_view, kFixed.size() + 1> names{};
    for (std::size_t i = 0; i < kFixed.size(); ++i) names[i] = kFixed[i].control;
    names.back() = kAutoButton;
    return names;
}();
}  // namespace

std::optional<std::string> explanationFor(std::string_view control,
                                          std::string_view outputDirectory) {
    if (control == kBareBackground) return std::string();
    if (control == kAutoButton) return texts::explainAuto(outputDirectory);
    for (const FixedExplanation& fixed : kFixed) {
        if (fixed.control == control) return std::string(fixed.text);
    }
    return std::nullopt;
}

std::span<const std::string_view> explainedControls() { return kExplained; }

}  // namespace stapelwerk
