#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/system.h"

#include "platform/file_type.h"

// What the core needs to know of the operating system it runs on; one source
// file per system implements it.
namespace stapelwerk::os {

// Separator put between a directory and a file name.
extern const char kPathSeparator;
// Every character that separates directories in a path text: on Windows "/" as well,
// which Qt and users write there too.
extern const char* const kPathSeparators;

// Lets the memory of a large list go back to the system when the list goes, instead of
// keeping it for the small ones that follow: a session that writes a million entries again
// and again stays at the size of one write. Called once at start; where the allocator does
// so anyway (Windows), nothing.
void returnLargeBlocksWhenFreed();

// Login name of the user the program runs as; empty when it cannot be found.
std::string loginName();

// The user's home directory, where the CAD system also looks for config.pro: %USERPROFILE%
// on Windows, $HOME (else the password entry) elsewhere.
std::string homeDirectory();

// The system's folder of programs installed for one user, where an installer puts them
// without administrator rights: %LOCALAPPDATA%\Programs on Windows, ~/.local elsewhere
// (cmake --install --prefix ~/.local). Empty when it cannot be found.
std::string userProgramsDirectory();
// The value of the environment variable `name`; nothing where it is not set.
std::optional<std::string> environmentVariable(const std::string& name);

// Whether this system writes an environment variable %NAME% (Windows) rather than $NAME.
extern const bool kPercentVariables;

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

// The system's own store of per-user application/section/key values, where it has one:
// on Windows the registry, each key a string value (REG_SZ) under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, where
// Windows programs conventionally keep them. Elsewhere there is none: kHasSettingsStore is
// false, nothing reads back and every write fails, and the Qt side keeps INI files.
// Texts are UTF-8; keys may hold dots and read back exactly.
extern const bool kHasSettingsStore;

// The stored value, or nothing when it is missing or not a string.
std::optional<std::string> readStoredSetting(const std::string& application,
                                             const std::string& section, const std::string& key);

// Stores the value, creating its application and section as needed.
bool writeStoredSetting(const std::string& application, const std::string& section,
                        const std::string& key, const std::string& value, std::error_code& error);

// The system's own ways to play a sound and to open a document or address, where the
// program uses them: on Windows PlaySoundW (asynchronous, so the call returns at once) and
// ShellExecuteW. Elsewhere there are none (kHasSystemShell is false, both calls fail) and
// the Qt side plays and opens.
extern const bool kHasSystemShell;

// The system's plain text editors, by the names of their programs, the first found taken:
// Notepad, which every Windows has; elsewhere the text editors of the common desktops.
extern const std::vector<std::string_view> kTextEditors;

// Starts playing the wave file `path`; false when it cannot.
bool playSoundFile(const std::string& path);

// Opens a file or an address with its default program; false when none opened it.
bool openWithSystem(const std::string& pathOrAddress);

// Whether a directory entry is one that file lists leave out: a hidden or
// system file on Windows, a dot file elsewhere.
bool isHidden(const std::filesystem::path& path);

// A file opened for reading (a FileHandle, below).
using FileHandle = std::intptr_t;
inline constexpr FileHandle kNoFile = -1;

// Opens the file at `path` (links followed) for reading, without ever waiting: what is no
// regular file is not opened at all (a FIFO would wait for a writer, a terminal for input,
// a tape would rewind), and then `type` tells what it is and kNoFile comes back with no
// error. Of a regular file, `size` is its size when it was opened. A failure sets `error`
// and returns kNoFile. The handle goes with closeFile.
FileHandle openForReading(const std::filesystem::path& path, FileType& type, std::uintmax_t& size,
                          std::error_code& error);

// Reads up to `size` bytes into `buffer`: how many it read, 0 at the end of the file or on a
// failure, which sets `error`.
std::size_t readSome(FileHandle file, char* buffer, std::size_t size, std::error_code& error);

// Puts the next read at byte `offset` of the file.
bool seekTo(FileHandle file, std::uint64_t offset, std::error_code& error);

// The steps of writing a file, used by the replace routine in text_file.cpp. Each step
// that fails sets `error` to the system's error, whose message() is the system's wording,
// and returns false (or kNoFile).

enum class FileKind { missing, regular, directory, other };

struct ResolvedPath {
    std::filesystem::path path;
    FileKind kind = FileKind::missing;
    // `path` as given was a symbolic link.
    bool throughLink = false;
    // The first link on the way that the kernel would not follow for this user (see
    // linkMayBeFollowed); when set, nothing after it has been looked at.
    std::filesystem::path refusedLink;
    // Of an existing file: no write permission for this user in its mode.
    bool writeProtected = false;
    // Of an existing file: how many names (hard links) it has.
    std::uintmax_t names = 1;
    // Of an existing file: the device and inode, to tell two paths of one file.
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
};

inline ResolvedPath resolvedAt(std::filesystem::path path, FileKind kind, bool throughLink) {
    ResolvedPath resolved;
    resolved.path = std::move(path);
    resolved.kind = kind;
    resolved.throughLink = throughLink;
    return resolved;
}

// The file that `path` names once its symbolic links are followed, as far as the kernel
// would follow them for this user, whatever the system's setting: a chain of links, and
// relative targets, counted from the directory of the link that holds them. The rule holds
// for links among the directories on the way as well (refusedLink); those are followed by the
// system, and `path` keeps them. When
// nothing is at the end (a dangling link, or no file yet), `path` is where the file would
// be made and `kind` is missing; whether its directory exists shows when it is created.
ResolvedPath resolveLinks(const std::filesystem::path& path, std::error_code& error);

// usual: what any new file gets (0666 less the umask on POSIX).
// ownerOnly: only the owner may open it, until copyAccess gives it the final access.
// On Windows a new file inherits its directory's ACL either way.
enum class NewFileAccess { usual, ownerOnly };

// Creates a file for writing where nothing is, not even a link (which is never followed);
// anything at `path` fails with std::errc::file_exists.
FileHandle createExclusive(const std::filesystem::path& path, NewFileAccess access,
                           std::error_code& error);

// Holds the new file `file`, just created at `path`, for as long as the returned handle is
// open (releaseTemporary). Meanwhile an end signal (SIGTERM, SIGINT, SIGHUP) removes `path`
// before the program ends as the signal ends it, and clearLeftTemporaries of another run
// leaves the file alone. Fails with std::errc::file_exists when another run's
// clearLeftTemporaries took the file first: it is going, another name is needed. On Windows
// the console's end events (Ctrl+C, Ctrl+Break, its window closed) take the signals' part,
// and the file's sharing nothing keeps other runs off.
FileHandle holdTemporary(FileHandle file, const std::filesystem::path& path,
                         std::error_code& error);
void releaseTemporary(FileHandle hold);

// Removes the new files that writes killed earlier left in `directory` (isLeftTemporary);
// what cannot be looked at or removed stays, and so does a file that another process holds
// with any lock (flock, fcntl or lockf). The directory is opened once and cleared through
// that, so that renaming it or a directory above meanwhile cannot turn the clearing to
// another one.
void clearLeftTemporaries(const std::filesystem::path& directory);

// While a write puts its files in place (a backup, then the file), an end signal (on Windows
// a console end event) waits until allowEnd: it then ends the program as it would have, with
// both files replaced or neither. Calls nest.
void deferEnd();
void allowEnd();

// Gives `file` the permission bits of the existing file `model`, its extended attributes
// and ACL (POSIX), and its owner and group as far as the process may set them. On Windows it gives
// `file` the attributes of `model` (hidden, system, archive), and fails with access denied when
// `model` is read-only, which Windows programs do not save over; renameOver keeps the replaced
// file's ACL.
bool copyAccess(FileHandle file, const std::filesystem::path& model, std::error_code& error);

// Writes all of the bytes, straight to the system.
bool writeAll(FileHandle file, const char* bytes, std::size_t size, std::error_code& error);

// What writes past the page cache need: buffers, sizes and offsets multiples of this.
inline constexpr std::size_t kUncachedAlignment = 4096;

// Lets the writes to `file` go past the page cache, straight to the disk (Linux's O_DIRECT),
// or through it again: half a gigabyte then needs no half a gigabyte of fresh page-cache
// memory first. False where the file system or the system cannot; nothing changes then.
bool writeUncached(FileHandle file, bool uncached);

// Puts the file's data on the disk.
bool flushFile(FileHandle file, std::error_code& error);

// Closes the file; the handle is gone even when it fails.
bool closeFile(FileHandle file, std::error_code& error);

// Puts the closed file `from` in place of `to` in one step: a reader sees either the
// old `to` or the new one. `to` is created when it is not there. Both lie in the same
// directory.
bool renameOver(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code& error);

// Puts the closed file `from` in place of the existing file `to` and that file under the
// name `from`, in one step: the two swap names, so that what was at `to` can be looked at
// and put back. Fails with std::errc::not_supported, changing nothing, where the system or
// the file system cannot (Windows, NFS).
bool exchange(const std::filesystem::path& from, const std::filesystem::path& to,
              std::error_code& error);

// Puts the closed file `from` at `to`, where nothing may be: fails with
// std::errc::file_exists when something is there by then.
bool renameWhereNothingIs(const std::filesystem::path& from, const std::filesystem::path& to,
                          std::error_code& error);

// An existing file whose name is about to go to another file, kept so that it can come back:
// its bytes and its access outlive the rename over it, and no second name holds them, which
// a crash could leave behind. POSIX keeps it open; Windows, which does not rename over an
// open file, reads its bytes and attributes ahead.
struct EarlierFile {
    FileHandle file = kNoFile;
    std::string bytes;
    std::uint32_t attributes = 0;
};

// Keeps the regular file at `path` (never a link).
bool keepEarlier(const std::filesystem::path& path, EarlierFile& earlier, std::error_code& error);

// Writes the kept file's bytes to the new file `file` and gives it the kept file's access, as
// copyAccess does.
bool writeEarlier(const EarlierFile& earlier, FileHandle file, std::error_code& error);

void releaseEarlier(EarlierFile& earlier);

// Puts the directory's entries on the disk, so that a rename in it outlives a crash.
// An empty path is the current directory.
bool flushDirectory(const std::filesystem::path& directory, std::error_code& error);

}  // namespace stapelwerk::os
