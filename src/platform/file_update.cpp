#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/paths.h"
#include "platform/replace_steps.h"
#include "platform/text_file.h"

namespace stapelwerk {

using replace::failure;
using replace::Prepared;

namespace {
// While the backup and the file take their places, an end signal waits: no end leaves one
// replaced and the other not.
class EndDeferred {
public:
    EndDeferred() { os::deferEnd(); }
    ~EndDeferred() { os::allowEnd(); }
    EndDeferred(const EndDeferred&) = delete;
    EndDeferred& operator=(const EndDeferred&) = delete;
};

// The earlier backup, while the new one stands in its place.
class KeptBackup {
public:
    KeptBackup() = default;
    KeptBackup(const KeptBackup&) = delete;
    KeptBackup& operator=(const KeptBackup&) = delete;
    ~KeptBackup() { os::releaseEarlier(earlier_); }

    Result<> keep(const os::ResolvedPath& backup) {
        path_ = backup.path;
        existed_ = backup.kind == os::FileKind::regular;
        std::error_code error;
        if (existed_ && !os::keepEarlier(path_, earlier_, error)) return failure(error);
        return {};
    }

    // The earlier backup in its place again, or no backup where there was none.
    void putBack() const {
        if (existed_) {
            static_cast<void>(replace::writeBack(earlier_, path_));
        } else {
            std::error_code ignored;
            std::filesystem::remove(path_, ignored);
        }
    }

private:
    std::filesystem::path path_;
    bool existed_ = false;
    os::EarlierFile earlier_;
};

// Whether the file at `path` can be read and holds exactly `expected`. Compared a piece at a
// time: a config.pro of 60 MB is not held a second time to be looked at once more.
bool holdsExactly(const std::filesystem::path& path, std::string_view expected) {
    std::size_t at = 0;
    bool same = true;
    const Result<std::uint64_t> end = readFileFrom(fromPath(path), 0, [&](std::string_view piece) {
        same = same && expected.substr(std::min(at, expected.size())).starts_with(piece);
        at += piece.size();
    });
    return end && same && at == expected.size();
}

// Puts the prepared file in place of a target that still holds `current` (or is still
// missing); false when another program changed it since, and then the target is as that
// program left it. Where the system can swap the two names, the file that was replaced is
// looked at after the swap, so that no change is missed in the moment before it; elsewhere
// just before the rename.
Result<bool> commitUnchanged(Prepared& prepared, std::string_view current) {
    const std::filesystem::path& temporary = prepared.temporary.path();
    const std::filesystem::path& target = prepared.target.path;
    std::error_code error;
    bool placed = false;
    if (prepared.target.kind != os::FileKind::regular) {
        placed = os::renameWhereNothingIs(temporary, target, error);
        if (!placed && error == std::errc::file_exists) return false;
    } else if (os::exchange(temporary, target, error)) {
        if (!holdsExactly(temporary, current)) {
            // Swapped back, the temporary name holds the new file again and goes with it.
            if (os::exchange(temporary, target, error)) return false;
            // The other program's file must not go with it.
            std::error_code ignored;
            if (!os::renameOver(temporary, target, ignored)) prepared.temporary.release();
            return failure(error);
        }
        placed = true;
    } else if (error == std::errc::not_supported) {
        if (!holdsExactly(target, current)) return false;
        placed = os::renameOver(temporary, target, error);
    }
    if (!placed) return failure(error);
    // What remains under the temporary name is the file that was replaced.
    std::filesystem::remove(temporary, error);
    prepared.temporary.release();
    os::flushDirectory(target.parent_path(), error);
    return true;
}

// One attempt of updateFile; false when another program changed the file meanwhile, and then
// both files are as they were.
Result<bool> updateOnce(const std::string& path, const Update& update,
                        const std::string& backupPath, ReplaceStep& failedStep) {
    failedStep = ReplaceStep::file;
    Prepared file;
    if (Result<> resolved = replace::resolveTarget(path, file.target); !resolved) {
        return resolved.failure();
    }
    const bool exists = file.target.kind == os::FileKind::regular;
    std::string current;
    if (exists) {
        failedStep = ReplaceStep::read;
        Result<std::string> read = readFileBytes(fromPath(file.target.path));
        if (!read) return read.failure();
        current = std::move(*read);
    }

    const bool backedUp = exists && !backupPath.empty();
    Prepared backup;
    if (backedUp) {
        failedStep = ReplaceStep::backup;
        if (Result<> resolved = replace::resolveCopy(backupPath, file.target, backup.target);
            !resolved) {
            return resolved.failure();
        }
        const auto copy = [&current](ByteSink& sink) { sink.write(current); };
        if (Result<> written = replace::prepare(backup, file.target.path, copy); !written) {
            return written.failure();
        }
    }
    failedStep = ReplaceStep::file;
    const auto produce = [&](ByteSink& sink) { update(sink, current); };
    if (Result<> written = replace::prepare(file, {}, produce); !written) {
        return written.failure();
    }

    const EndDeferred deferred;
    KeptBackup earlier;
    if (backedUp) {
        failedStep = ReplaceStep::backup;
        if (Result<> kept = earlier.keep(backup.target); !kept) return kept.failure();
        if (Result<> placed = replace::commit(backup); !placed) return placed.failure();
    }
    failedStep = ReplaceStep::file;
    Result<bool> placed = commitUnchanged(file, current);
    if (backedUp && !(placed && *placed)) earlier.putBack();
    return placed;
}
}  // namespace

Result<> updateFile(const std::string& path, const Update& update, const std::string& backupPath,
                    ReplaceStep& failedStep) {
    for (int attempt = 0; attempt < kUpdateAttempts; ++attempt) {
        const Result<bool> updated = updateOnce(path, update, backupPath, failedStep);
        if (!updated) return updated.failure();
        if (*updated) return {};
    }
    failedStep = ReplaceStep::file;
    return platformRefusal(FailureKind::changedMeanwhile);
}

}  // namespace stapelwerk
