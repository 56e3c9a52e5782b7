#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace stapelwerk {

// The most bytes the program reads from any one file, pipe or paste. A list of a million
// entries is 20 to 30 MB; past this an input is a mistake (a wrong file, /dev/zero), and
// reading it on would only end when memory does.
inline constexpr std::size_t kMostInputBytes = std::size_t{64} << 20;

// Appends `piece` to `bytes` unless that takes them past kMostInputBytes; false then,
// with `bytes` unchanged.
inline bool appendWithinLimit(std::string& bytes, std::string_view piece) {
    if (piece.size() > kMostInputBytes - bytes.size()) return false;
    bytes.append(piece);
    return true;
}

}  // namespace stapelwerk
