#pragma once

#include <string>

namespace stapelwerk {

class Platform;

// Whether the program's folder is an installation rather than a folder of the user's own
// (unpacked from the zip, or built): one this user cannot write (C:\Program Files, /usr/bin),
// or one in the system's folder of per-user programs `userPrograms`
// (%LOCALAPPDATA%\Programs, which Explorer hides; ~/.local elsewhere). Letter case and either
// separator do not matter.
bool isInstallation(const std::string& programDirectory, bool writable,
                    const std::string& userPrograms);

// Where doit.pro and config.pro go when the user has named no folder: a program in a folder
// of the user's own keeps them beside itself, as it always has; an installed one in the
// user's documents, where the user finds them.
std::string fallbackDirectory(Platform& platform);

}  // namespace stapelwerk
