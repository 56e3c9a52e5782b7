#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// What the core needs to know of the operating system it runs on; one source
// file per system implements it.
namespace stapelwerk::os {

// Separator put between a directory and a file name.
extern const char kPathSeparator;

// Opens a file; sets errno and returns null on failure.
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

// The system's wording of an errno value.
std::string errnoReason(int error);

// Login name of the user the program runs as; empty when it cannot be found.
std::string loginName();

}  // namespace stapelwerk::os
