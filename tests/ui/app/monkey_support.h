#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/TempDir.h"

// What the monkey (Monkey_test.cpp) stands on: its sandbox on disk, the checks of the files
// it finds written and of what lies outside, and what makes a failure replayable.
namespace stapelwerk::monkey {

namespace fs = std::filesystem;

// What keeps `bytes` from being Windows-1252 text with CR LF line ends; empty when nothing.
// Text holds no control character but the tab and the line ends, and none of the five bytes
// that Windows-1252 leaves undefined.
std::string textFault(std::string_view bytes);

// doit.pro, config.pro and the value list: the only files the program writes.
bool isProgramFile(const std::string& name);

// A file or directory as far as a check needs to see that it changed: a replaced file has a
// new inode, a rewritten one a new size or time.
struct Stamp {
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modified = 0;
    bool directory = false;
    bool operator==(const Stamp&) const = default;
};

// Whether a write to `path` lands in `root`: links followed as far as they exist. The system
// reads a name up to its first NUL; an empty name lands nowhere.
bool landsIn(const fs::path& root, std::string path);

// Everything the run may touch, in a directory of its own, with files to browse. Beside it,
// in a parent made for the run, lies a sentinel directory that must never change; a link in
// the sandbox leads out to it.
class Sandbox {
public:
    Sandbox();

    bool holds(const std::string& path) const { return landsIn(canonicalRoot_, path); }
    // The sandbox, or the sentinel that the link leads to: a directory list may show both.
    bool holdsOrLeadsToSentinel(const std::string& path) const {
        return holds(path) || landsIn(canonicalSentinel_, path);
    }
    // Every file and directory in the sandbox; links are not followed.
    std::map<fs::path, Stamp> entries() const;
    // The sentinel with everything in it, the names in the sandbox's parent, and the
    // program's files in `places`, where a stray write would most likely go.
    std::map<std::string, std::string> outside(const std::vector<fs::path>& places) const;

private:
    testing::TempDir outer_;

public:
    const fs::path parent = outer_.path();
    const fs::path root = parent / "sandbox";
    const fs::path home = root / "home";
    const fs::path cadStart = home / "ProEWildfire3";
    const fs::path program = root / "programm";
    const fs::path work = root / "arbeit";
    const fs::path stick = root / "stick";  // a second volume, mounted inside the first
    const fs::path sentinel = parent / "draussen";

private:
    fs::path canonicalRoot_;
    fs::path canonicalSentinel_;
};

// The last actions, kept where a crash can still print them.
void remember(const std::string& action);
std::string recentActions();

// While it lives, a crash (or a sanitizer's report) prints the seed and the last actions.
class CrashReport {
public:
    explicit CrashReport(std::uint32_t seed);
    ~CrashReport();
    CrashReport(const CrashReport&) = delete;
    CrashReport& operator=(const CrashReport&) = delete;
};

// Qt measures a few intervals by the clock: a click soon after a double click makes a triple
// click, a drop-down list ignores a release that comes too soon after it opened, and keys
// pressed on a list within a moment are searched for together; drop-down lists and menus
// open with an animation. With the intervals as short as they go and no animations, every
// action stands apart in time from the one before however fast or slow the machine, so
// that a seed replays the same run. (QTest sends a double click's two presses at one
// instant, so they still make one.)
class ShortIntervals {
public:
    ShortIntervals();
    ~ShortIntervals();
    ShortIntervals(const ShortIntervals&) = delete;
    ShortIntervals& operator=(const ShortIntervals&) = delete;

private:
    const int doubleClick_;
    const int keyboardInput_;
    const bool effects_;
};

}  // namespace stapelwerk::monkey
