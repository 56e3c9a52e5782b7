#pragma once

#include <string>

namespace stapelwerk::testing {

// A fault as the program names its reason: POSIX systems in the C library's words, Windows
// in the system's message for its error code (in the user's language), or, where the
// program finds the fault itself and `windowsCode` is 0, in the C runtime's words, which
// are the POSIX ones.
struct Reason {
    const char* posix;
    unsigned long windowsCode;
};

inline constexpr Reason kFileExists{"File exists", 80};                    // ERROR_FILE_EXISTS
inline constexpr Reason kNoSuchFile{"No such file or directory", 2};       // ERROR_FILE_NOT_FOUND
inline constexpr Reason kNoSuchDirectory{"No such file or directory", 3};  // ERROR_PATH_NOT_FOUND
inline constexpr Reason kNotADirectory{"Not a directory", 3};              // ERROR_PATH_NOT_FOUND
inline constexpr Reason kIsADirectory{"Is a directory", 0};

// The wording of `reason` on the system the test runs on.
std::string systemReason(const Reason& reason);

// Makes the file or directory one that file lists leave out, the system's way: on POSIX
// its name starts with a dot already, on Windows it gets the hidden attribute.
void markHidden(const std::string& path);

}  // namespace stapelwerk::testing
