#include <cstdlib>

#include "support/ScopedHome.h"

namespace stapelwerk::testing {

ScopedHome::ScopedHome(const std::string& directory) {
    if (const char* home = std::getenv("HOME")) saved_ = home;
    _putenv_s("HOME", directory.c_str());
}

ScopedHome::~ScopedHome() {
    // An empty value removes the variable.
    _putenv_s("HOME", saved_ ? saved_->c_str() : "");
}

}  // namespace stapelwerk::testing
