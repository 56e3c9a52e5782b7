#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace stapelwerk::testing {

// A stand-in of the CAD system for the tests of the journal and the results: it replays the
// mapkey doit of the doit.pro in a directory, which is its working directory, as far as
// files go. The open dialog finds the newest version "name.type.N" of the name typed into it
// in the working directory (ASCII letter case ignored); a save writes the next version of the
// model shown beside it, a save-as the next version of the named model (of the shown model's
// type) into the working directory, in lower case as the CAD system names its files;
// "@SYSTEM" steps run through the system's shell (/bin/sh, or cmd.exe on Windows) in the
// working directory.
// What it does not model: dialogs (each is answered as the mapkey answers it), the session
// (models in memory, erasing them), workspaces, menus, the parameters themselves and the
// user's mapkeys that a chain runs; a missing file is the only failure it knows. It shares
// no code with the program: it reads doit.pro as the CAD system would, on its own.
enum class WhenMissing {
    stop,      // the open dialog waits for a person: the run stops there
    passOver,  // the run goes on, acting on the model shown before
};

struct ReplayOptions {
    WhenMissing whenMissing = WhenMissing::stop;
    // The CAD system ends (crashes) as it comes to the file of this number, counted from 1:
    // the one it is to open, or to save the shown model as.
    std::optional<std::size_t> crashAtFile = std::nullopt;
    // What is shown when doit starts: the pattern of save-as.
    std::string shownModel = "vorlage.prt";
};

struct Replay {
    // doit ran to its last step.
    bool ended = false;
    // The name not found, where the run stopped.
    std::optional<std::string> stoppedAt;
};

Replay replayDoit(const std::string& directory, const ReplayOptions& options = {});

}  // namespace stapelwerk::testing
