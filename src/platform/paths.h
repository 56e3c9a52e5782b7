#pragma once

#include <filesystem>
#include <string>

namespace stapelwerk {

std::filesystem::path toPath(const std::string& utf8);
std::string fromPath(const std::filesystem::path& path);

// A directory text joined with a file name: the separator is put between them unless
// the text already ends in one of the system's separators. The text is used as it
// stands, so an empty directory names the file in the root.
std::string joinFileName(const std::string& directory, const std::string& fileName);

}  // namespace stapelwerk
