#pragma once

#include <string>

namespace stapelwerk::testing {

// A fresh directory under the system's temporary directory, removed with its content.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // `name` inside the directory, with the platform's separators ("a/b" is "a\b" on Windows).
    std::string file(const std::string& name) const;
    // The root of the drive the directory is on: "/" here, "C:\" on Windows.
    std::string driveRoot() const;

private:
    std::string path_;
};

// Paths are UTF-8, as everywhere in the program.
std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

}  // namespace stapelwerk::testing
