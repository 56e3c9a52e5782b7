#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The version that the CAD system numbers its model files with: welle.prt.12 is welle.prt in
// version 12.
namespace stapelwerk {

// The version that `digits` (what follows the name's last dot) give: a number of one to nine
// digits; nothing for any other text.
std::optional<std::uint32_t> versionNumber(std::string_view digits);

}  // namespace stapelwerk
