#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace stapelwerk {

class Platform;

// `List2`: the definition of the mapkey `auto`, which loads doit.pro into the
// running CAD system and runs `doit`.
extern const std::array<std::string_view, 11> kAutoBlock;

// Where config.pro lies for the output-directory text `outputDirectory`; an empty text
// means the program directory.
std::string configProPath(const std::string& outputDirectory, const std::string& programDirectory);

// `configLines`: lines of config.pro as the file holds them, without their line ends.
// They are copied as bytes, never decoded, so no line can change on the way.
using ConfigLines = std::vector<std::string>;

// Empties `configLines` and reads config.pro into it; a missing file is created empty
// and the user is told so. False when the file could not be read or created:
// the user has been told the path and the reason, and nothing may be written.
bool readConfigLines(Platform& platform, const std::string& outputDirectory,
                     ConfigLines& configLines);

// The bytes of config.pro after the auto block has been appended to the file `old`.
std::string configWithAutoMapkey(std::string_view old);

// Appends the auto block to `configLines` and replaces config.pro with its lines, each
// ended by CR LF, through a new file renamed over the old one. Tells the user of
// the success, or of the failure with path and reason (the old file is kept).
void appendAutoMapkey(Platform& platform, const std::string& outputDirectory,
                      ConfigLines& configLines);

}  // namespace stapelwerk
