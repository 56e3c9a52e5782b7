#pragma once

#include <string>

namespace stapelwerk::testing {

// A fault as the program names its reason, in German. Windows tells some faults apart less
// finely than POSIX: a missing directory on the way is "not found" there.
struct Reason {
    const char* posix;
    const char* windows;
};

inline constexpr Reason kFileExists{"Die Datei existiert bereits", "Die Datei existiert bereits"};
inline constexpr Reason kNoSuchFile{"Datei oder Verzeichnis nicht gefunden",
                                    "Datei oder Verzeichnis nicht gefunden"};
inline constexpr Reason kNoSuchDirectory = kNoSuchFile;
inline constexpr Reason kNotADirectory{"Ist kein Verzeichnis",
                                       "Datei oder Verzeichnis nicht gefunden"};
inline constexpr Reason kIsADirectory{"Ist ein Verzeichnis", "Ist ein Verzeichnis"};

// The wording of `reason` on the system the test runs on.
std::string systemReason(const Reason& reason);

// Makes the file or directory one that file lists leave out, the system's way: on POSIX
// its name starts with a dot already, on Windows it gets the hidden attribute.
void markHidden(const std::string& path);

// POSIX only: makes the file readable by no one but its owner and, through its ACL, the user
// nobody (so the ACL's mask allows reading where the group's bits do not), and gives it the
// extended attribute user.note; false where the tools or the file system lack them.
bool giveAclAndNote(const std::string& path);
// POSIX only: the ACL and the user.note of the file, as getfacl and getfattr print them.
std::string aclAndNote(const std::string& path);

}  // namespace stapelwerk::testing
