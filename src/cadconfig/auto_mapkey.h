#pragma once

#include <array>
#include <string>
#include <string_view>

namespace stapelwerk {

class Platform;

// `List2`: the definition of the mapkey `auto`, which loads doit.pro into the
// running CAD system and runs `doit`.
extern const std::array<std::string_view, 11> kAutoBlock;

// Where config.pro lies for the output-directory text `outputDirectory`; an empty text
// means the program directory.
std::string configProPath(const std::string& outputDirectory, const std::string& programDirectory);

// config.pro as the file holds it, byte for byte. It is neither decoded nor cut into lines:
// the auto block goes behind the old bytes, so no old line and no old line end can change.
using ConfigContent = std::string;

// Empties `content` and reads config.pro into it; a missing file is created empty
// and the user is told so. False when the file could not be read or created:
// the user has been told the path and the reason, and nothing may be written.
bool readConfigLines(Platform& platform, const std::string& outputDirectory,
                     ConfigContent& content);

// The bytes of config.pro after the auto block has been appended to the file `old`: the
// old bytes unchanged, the line end that the old last line lacks (CR LF, or the LF that
// completes a closing CR), then the lines of the block, each ended by CR LF.
std::string configWithAutoMapkey(std::string_view old);

// Replaces config.pro with `content` and the auto block (configWithAutoMapkey), through a
// new file renamed over the old one. Tells the user of the success, or of the failure
// with path and reason (the old file is kept).
void appendAutoMapkey(Platform& platform, const std::string& outputDirectory,
                      const ConfigContent& content);

}  // namespace stapelwerk
