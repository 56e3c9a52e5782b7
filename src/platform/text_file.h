#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/input_limit.h"
#include "platform/result.h"

namespace stapelwerk {

// Every operation here refuses a path that holds a NUL (std::errc::invalid_argument): it names
// no file. A failure carries its kind and the system's error, no message: the caller words
// it, as only it knows what the file is to the user.

// The whole content of a file, as bytes; a file of more than `mostBytes` is refused
// (FailureKind::inputTooLarge). Only a regular file is read, and the read never waits: a
// directory fails with std::errc::is_a_directory, a pipe, a device or a socket at once with
// FailureKind::notAFile, without being opened.
Result<std::string> readFileBytes(const std::string& path, std::size_t mostBytes = kMostInputBytes);

// The bytes of a file that grows, from `offset` on, handed to `piece` as they are read; the
// offset of the file's end that the read came to. A file that is shorter than `offset` now
// (it was begun anew) is not read: its size comes back, below `offset`. Only a regular file
// is read, as by readFileBytes.
Result<std::uint64_t> readFileFrom(const std::string& path, std::uint64_t offset,
                                   const std::function<void(std::string_view)>& piece);

// Whether a read failed because nothing is at the path: no file, a link that leads nowhere,
// or a file where a directory of the path should be.
bool namesNothing(const Failure& failure);

// Creates an empty file. Fails, with the reason, when anything is already
// there, so it never replaces a file. A dangling link gets its target created.
Result<> createEmptyFile(const std::string& path);

// Where the new content of a file goes, piece by piece. Pieces of a megabyte or so
// keep large files fast without a second full-size copy in memory.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // A failed write is remembered and reported by the replace; later writes are ignored.
    virtual void write(std::string_view bytes) = 0;
};

// Replaces (or creates) the file with what `produce` writes to its sink. The bytes go
// to a new file beside it, are put on the disk and then renamed over the old one, so a
// failure at any step, a crash or a kill leaves the old file as it was and no new file
// behind. A symbolic link (or a chain of them) is followed and stays: the file it names
// is replaced, or created when the link dangles into an existing directory. A link that
// the kernel would not follow for this user in a shared directory (protected_symlinks), a
// write-protected file and a file with several names (hard links) are refused. The old
// file's permission bits, ACL and extended attributes (and owner and group, where allowed)
// are kept; a new file gets the usual ones. A directory, a device or a pipe at the path is
// refused. An end signal (SIGTERM, SIGINT, SIGHUP) during the write removes the new file
// before it ends the program; what a killed write left beside the target goes with the
// next write there.
Result<> replaceFile(const std::string& path, const std::function<void(ByteSink&)>& produce);

// replaceFile with one piece.
Result<> replaceFileBytes(const std::string& path, std::string_view bytes);

enum class ReplaceStep { read, backup, file };

// What an update writes, given the file's bytes as they are when it reads them.
using Update = std::function<void(ByteSink& sink, std::string_view current)>;

inline constexpr int kUpdateAttempts = 3;

// Replaces the file at `path`, as replaceFile does, with what `update` writes from the bytes
// it holds; a missing file counts as empty and is created. Where `backupPath` is not empty,
// the bytes of an existing file go there first, as its backup, with the file's access
// (never readable by more users than the file). The backup is never written through a link
// and never onto the file itself; it takes its place first, so that the old bytes outlive a
// crash, and when the file then cannot be replaced, the earlier backup comes back. The
// earlier backup never has a second name, which a crash could leave for the next write to
// clear. An end signal waits while the two take their places.
// When another program changes the file between the reading and the replacing (an editor
// saves it), its change is kept: the update starts again from what the file holds then, up
// to kUpdateAttempts times in all, and then fails with FailureKind::changedMeanwhile.
// A failure leaves both files as they were and tells in `failedStep` what it concerned.
Result<> updateFile(const std::string& path, const Update& update, const std::string& backupPath,
                    ReplaceStep& failedStep);

}  // namespace stapelwerk
