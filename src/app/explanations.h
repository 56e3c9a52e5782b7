#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace stapelwerk {

// The name that stands for the bare window background.
inline constexpr std::string_view kBareBackground = "Form1";

// The caption `Erklaer` takes when the pointer moves over `control` (an object name,
// or kBareBackground); nothing for a control without an explanation, whose movement
// leaves the caption as it is. `outputDirectory` is the output directory as it stands now.
std::optional<std::string> explanationFor(std::string_view control,
                                          std::string_view outputDirectory);

// The controls that have an explanation, without the background.
std::span<const std::string_view> explainedControls();

}  // namespace stapelwerk
