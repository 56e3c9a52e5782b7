#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace stapelwerk {

// Every operation here refuses a path that holds a NUL ("Invalid argument"): it names no file.
// A failure carries the system's reason only (systemFailure): the caller words the message,
// as only it knows what the file is to the user.

// The whole content of a file, as bytes.
Result<std::string> readFileBytes(const std::string& path);

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
// is replaced, or created when the link dangles into an existing directory. The old
// file's permission bits (and owner and group, where allowed) are kept; a new file gets
// the usual ones. A directory, a device or a pipe at the path is refused.
Result<> replaceFile(const std::string& path, const std::function<void(ByteSink&)>& produce);

// replaceFile with one piece.
Result<> replaceFileBytes(const std::string& path, std::string_view bytes);

// replaceFileBytes for a copy of the file `original`: the new file takes the original's
// permission bits (and owner and group, where allowed), whatever the replaced file had,
// so that a copy is never readable by more users than the file it was made from.
Result<> replaceFileBytesLike(const std::string& path, std::string_view bytes,
                              const std::string& original);

}  // namespace stapelwerk
