#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stapelwerk {

// The program's one sound, played when doit.pro is written and when the info opens.
inline constexpr std::string_view kSoundFile = "MAPKEY.WAV";

// The file to play for the sound `name`: the user's own file of that name in the current
// directory comes first, then the copy the program brings along in one of
// `programDirectories`, in their order. Empty when there is none (the sound stays silent).
std::string findSoundFile(const std::string& name, const std::string& currentDirectory,
                          const std::vector<std::string>& programDirectories);

}  // namespace stapelwerk
