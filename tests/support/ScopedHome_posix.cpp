#include <cstdlib>

#include "support/ScopedHome.h"

namespace stapelwerk::testing {

ScopedHome::ScopedHome(const std::string& directory) {
    if (const char* home = std::getenv("HOME")) saved_ = home;
    setenv("HOME", directory.c_str(), 1);
}

ScopedHome::~ScopedHome() {
    if (saved_) {
        setenv("HOME", saved_->c_str(), 1);
    } else {
        unsetenv("HOME");
    }
}

}  // namespace stapelwerk::testing
