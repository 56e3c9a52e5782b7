#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include "platform/os.h"
#include "platform/result.h"
#include "platform/text_file.h"

// The steps of the replace routine, shared by its plain form (text_file.cpp) and the update
// of a file and its backup (file_update.cpp).
namespace stapelwerk::replace {

inline Failure failure(const std::error_code& error) { return systemFailure(error); }
inline Failure failure(std::errc error) { return failure(std::make_error_code(error)); }

// The system reads a name only up to a NUL, so a name that holds one would open another
// file than the one named: it names no file at all.
bool namesNoFile(const std::string& path);

// What can be written at a resolved path; a device or a pipe is never replaced by a file.
Result<> refuseNonFile(os::FileKind kind);

// The new file while it is written: closed and removed unless it has taken the target's
// place, also when the producer throws.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile();

    // Creates it beside `target`, under a name nobody can guess ahead, and holds it.
    bool createBeside(const std::filesystem::path& target, os::NewFileAccess access,
                      std::error_code& error);

    os::FileHandle handle() const { return file_; }
    const std::filesystem::path& path() const { return path_; }

    bool close(std::error_code& error);

    // It is the target now; nothing to remove.
    void release();

private:
    void releaseHold();

    std::filesystem::path path_;
    os::FileHandle file_ = os::kNoFile;
    os::FileHandle hold_ = os::kNoFile;
};

// A new file made ready beside its target, not yet in its place.
struct Prepared {
    os::ResolvedPath target;
    TemporaryFile temporary;
};

// The target of a replace at `path`, refused where the routine does not write; what killed
// writes left beside it is cleared.
Result<> resolveTarget(const std::string& path, os::ResolvedPath& target);

// The path of a copy of `original`: never written through a link, never the file it copies.
Result<> resolveCopy(const std::string& path, const os::ResolvedPath& original,
                     os::ResolvedPath& copy);

// Writes what `produce` gives into a new file beside the prepared target, on the disk and
// closed; it takes the access of `accessModel` when that is given, else of the file it
// replaces.
Result<> prepare(Prepared& prepared, const std::filesystem::path& accessModel,
                 const std::function<void(ByteSink&)>& produce);

// Puts the prepared file in its target's place.
Result<> commit(Prepared& prepared);

// The file at `target` after its name has gone to the prepared file, written back there with
// its own access.
Result<> writeBack(const os::EarlierFile& earlier, const std::filesystem::path& target);

}  // namespace stapelwerk::replace
