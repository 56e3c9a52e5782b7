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

// The directory that the path fields show before the program sets them: the
// designed "C:\temp" on Windows, the temporary directory elsewhere.
extern const char* const kExampleDirectory;

// Where the CAD system's start directory of `user` lies, with a final separator.
// Start-up looks for `first`; when it is there, `second` is taken.
struct CadStartDirectories {
    std::string first;
    std::string second;
};
CadStartDirectories cadStartDirectories(const std::string& user);

// Whether a directory entry is one that file lists leave out: a hidden or
// system file on Windows, a dot file elsewhere.
bool isHidden(const std::filesystem::path& path);

}  // namespace stapelwerk::os
