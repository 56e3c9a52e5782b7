#pragma once

#include <optional>
#include <string>

namespace stapelwerk::testing {

// Points $HOME, where the CAD start directory is looked for outside Windows, at
// `directory` for the life of the object.
class ScopedHome {
public:
    explicit ScopedHome(const std::string& directory);
    ~ScopedHome();
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

private:
    std::optional<std::string> saved_;
};

}  // namespace stapelwerk::testing
