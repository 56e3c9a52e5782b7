#pragma once

#include <optional>
#include <string>

#include "support/TempDir.h"

namespace stapelwerk::testing {

// Points $HOME, where the CAD start directory is looked for outside Windows, at
// `directory` for the life of the object. Windows programs do not read it.
class ScopedHome {
public:
    explicit ScopedHome(const std::string& directory);
    ~ScopedHome();
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

private:
    std::optional<std::string> saved_;
};

// The CAD system's start directory of `login`, where start-up looks for it first, for
// the life of the object: on POSIX in a temporary home that $HOME points at, on Windows
// C:\users\<login>\ProEWildfire3\, which make() can create only where C:\users may be
// written to (Wine, an administrator). What make() created is removed again.
class ScopedCadStartDirectory {
public:
    explicit ScopedCadStartDirectory(const std::string& login);
    ~ScopedCadStartDirectory();
    ScopedCadStartDirectory(const ScopedCadStartDirectory&) = delete;
    ScopedCadStartDirectory& operator=(const ScopedCadStartDirectory&) = delete;

    // Creates the directory; false when the system does not let the test do so.
    bool make();

private:
    TempDir home_;
    ScopedHome scopedHome_;
    std::string wanted_;
    std::string made_;  // the outermost directory that make() created
};

}  // namespace stapelwerk::testing
