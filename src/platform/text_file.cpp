#include "platform/text_file.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/file_rules.h"
#include "platform/input_limit.h"
#include "platform/os.h"
#include "platform/paths.h"

namespace stapelwerk {

namespace {
Failure failure(const std::error_code& error) { return systemFailure(error); }

Failure failure(std::errc error) { return failure(std::make_error_code(error)); }

// What can be written at a resolved path; a device or a pipe is never replaced by a file.
Result<> refuseNonFile(os::FileKind kind) {
    if (kind == os::FileKind::directory) return failure(std::errc::is_a_directory);
    if (kind == os::FileKind::other) return failure(std::errc::not_supported);
    return {};
}

// A name beside `target` that nobody can guess ahead: lower case letters and digits only,
// as Windows does not tell upper from lower case, 62 bits in all.
std::filesystem::path temporaryPathBeside(const std::filesystem::path& target) {
    static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uint64_t value = (std::uint64_t{random()} << 32) | random();
    std::string name(kTemporaryPrefix);
    for (std::size_t i = 0; i < kTemporaryRandomLength; ++i, value /= 36) {
        name += kDigits[value % 36];
    }
    name += kTemporarySuffix;
    return target.parent_path() / name;
}

// The new file while it is written: closed and removed unless it has taken the target's
// place, also when the producer throws.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        std::error_code ignored;
        if (file_ != os::kNoFile) os::closeFile(file_, ignored);
        if (!path_.empty()) std::filesystem::remove(path_, ignored);
        releaseHold();
    }

    bool createBeside(const std::filesystem::path& target, os::NewFileAccess access,
                      std::error_code& error) {
        // A clash with a name that is taken (by chance, or by a link someone put there)
        // only costs another name.
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::filesystem::path candidate = temporaryPathBeside(target);
            file_ = os::createExclusive(candidate, access, error);
            if (file_ != os::kNoFile) {
                hold_ = os::holdTemporary(file_, candidate, error);
                if (!error) {
                    path_ = candidate;
                    return true;
                }
                std::error_code ignored;
                os::closeFile(file_, ignored);
                file_ = os::kNoFile;
                // Taken by another run that clears files left behind; it removes this one.
                if (error != std::errc::file_exists) std::filesystem::remove(candidate, ignored);
            }
            if (error != std::errc::file_exists) return false;
        }
        return false;
    }

    os::FileHandle handle() const { return file_; }
    const std::filesystem::path& path() const { return path_; }

    bool close(std::error_code& error) {
        const os::FileHandle file = file_;
        file_ = os::kNoFile;
        return os::closeFile(file, error);
    }

    // Keeps the existing file `target` under a name of this object's, removed with it: a
    // second name where the file system has hard links, else the file is moved there.
    bool keepBeside(const std::filesystem::path& target, std::error_code& error) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::filesystem::path candidate = temporaryPathBeside(target);
            std::filesystem::create_hard_link(target, candidate, error);
            if (error && error != std::errc::file_exists) {
                if (!os::renameOver(target, candidate, error)) return false;
            }
            if (!error) {
                path_ = candidate;
                return true;
            }
        }
        return false;
    }

    // It is the target now; nothing to remove.
    void release() {
        path_.clear();
        releaseHold();
    }

private:
    // After the removal or the rename: until then the file is held, also when it is closed.
    void releaseHold() {
        if (hold_ != os::kNoFile) os::releaseTemporary(hold_);
        hold_ = os::kNoFile;
    }

    std::filesystem::path path_;
    os::FileHandle file_ = os::kNoFile;
    os::FileHandle hold_ = os::kNoFile;
};

// Large pieces go straight to the file; small ones are gathered first, so that a producer
// that writes line by line does not cost a system call a line.
class FileSink final : public ByteSink {
public:
    explicit FileSink(os::FileHandle file) : file_(file) {}

    void write(std::string_view bytes) override {
        if (error_ || bytes.empty()) return;
        if (buffer_.size() + bytes.size() <= kGathered) {
            if (buffer_.capacity() < kGathered) buffer_.reserve(kGathered);
            buffer_.append(bytes);
            return;
        }
        if (!writeGathered()) return;
        if (bytes.size() >= kGathered) {
            os::writeAll(file_, bytes.data(), bytes.size(), error_);
        } else {
            buffer_.append(bytes);
        }
    }

    // Writes what is still gathered; false when any write failed.
    bool finish() { return writeGathered(); }

    const std::error_code& error() const { return error_; }

private:
    static constexpr std::size_t kGathered = std::size_t{64} * 1024;

    bool writeGathered() {
        if (!error_ && !buffer_.empty()) {
            os::writeAll(file_, buffer_.data(), buffer_.size(), error_);
        }
        buffer_.clear();
        return !error_;
    }

    os::FileHandle file_;
    std::string buffer_;
    std::error_code error_;
};

// The system reads a name only up to a NUL, so a name that holds one would open another
// file than the one named: it names no file at all.
bool namesNoFile(const std::string& path) { return path.find('\0') != std::string::npos; }
}  // namespace

namespace {
// A regular file opened for reading, with its size when it was opened; what is no regular
// file is refused without being opened.
Result<os::FileHandle> openRegularFile(const std::string& path, std::uintmax_t& size) {
    if (namesNoFile(path)) return failure(std::errc::invalid_argument);
    std::error_code error;
    FileType type = FileType::regular;
    const os::FileHandle file = os::openForReading(toPath(path), type, size, error);
    if (error) return failure(error);
    if (type == FileType::directory) return failure(std::errc::is_a_directory);
    if (file == os::kNoFile) return notAFileFailure(type);
    return file;
}
}  // namespace

Result<std::string> readFileBytes(const std::string& path, std::size_t mostBytes) {
    std::uintmax_t size = 0;
    const Result<os::FileHandle> file = openRegularFile(path, size);
    if (!file) return file.failure();
    std::string bytes;
    // A file's size is known ahead: one allocation of it, not a doubling string that holds
    // up to three times the file for a moment. A file that grows meanwhile still stops at
    // the limit.
    bool fits = size <= mostBytes;
    if (fits) bytes.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    std::size_t count = 0;
    std::error_code error;
    while (fits && (count = os::readSome(*file, buffer, sizeof buffer, error)) > 0) {
        fits = count <= mostBytes - bytes.size();
        if (fits) bytes.append(buffer, count);
    }
    std::error_code ignored;
    os::closeFile(*file, ignored);
    if (!fits) return platformRefusal(FailureKind::inputTooLarge);
    if (error) return failure(error);
    return bytes;
}

Result<std::uint64_t> readFileFrom(const std::string& path, std::uint64_t offset,
                                   const std::function<void(std::string_view)>& piece) {
    std::uintmax_t size = 0;
    const Result<os::FileHandle> file = openRegularFile(path, size);
    if (!file) return file.failure();
    std::uint64_t end = size < offset ? size : offset;
    std::error_code error;
    if (size >= offset && os::seekTo(*file, offset, error)) {
        char buffer[65536];
        std::size_t count = 0;
        while ((count = os::readSome(*file, buffer, sizeof buffer, error)) > 0) {
            piece({buffer, count});
            end += count;
        }
    }
    std::error_code ignored;
    os::closeFile(*file, ignored);
    if (error) return failure(error);
    return end;
}

bool namesNothing(const Failure& failure) {
    return failure.kind == FailureKind::system &&
           (failure.error == std::errc::no_such_file_or_directory ||
            failure.error == std::errc::not_a_directory);
}

namespace {
// What the replace routine refuses at a resolved path, whatever the system would allow.
Result<> refuseTarget(const os::ResolvedPath& target) {
    if (!target.refusedLink.empty()) {
        return platformRefusal(FailureKind::linkNotFollowed, fromPath(target.refusedLink));
    }
    if (Result<> refused = refuseNonFile(target.kind); !refused) return refused;
    if (target.path.filename().empty()) return failure(std::errc::no_such_file_or_directory);
    if (target.kind != os::FileKind::regular) return {};
    if (target.writeProtected) return platformRefusal(FailureKind::writeProtected);
    // Renaming over one name would leave the other names with the old bytes.
    if (target.names > 1) return platformRefusal(FailureKind::severalNames);
    return {};
}

// A new file made ready beside its target, not yet in its place.
struct Prepared {
    os::ResolvedPath target;
    TemporaryFile temporary;
};

// Writes what `produce` gives into a new file beside `target`, on the disk and closed; the
// new file takes the access of `accessModel` when it is given, else of the file it
// replaces.
Result<> prepare(Prepared& prepared, const std::filesystem::path& accessModel,
                 const std::function<void(ByteSink&)>& produce) {
    const os::ResolvedPath& target = prepared.target;
    // An old file's content must never be readable by more users than before, not even
    // for a moment: its replacement starts private and then takes on the old access
    // (a copy: its original's).
    std::filesystem::path model = accessModel;
    if (model.empty() && target.kind == os::FileKind::regular) model = target.path;
    const os::NewFileAccess access =
        model.empty() ? os::NewFileAccess::usual : os::NewFileAccess::ownerOnly;
    std::error_code error;
    TemporaryFile& temporary = prepared.temporary;
    if (!temporary.createBeside(target.path, access, error)) return failure(error);
    if (!model.empty() && !os::copyAccess(temporary.handle(), model, error)) return failure(error);

    FileSink sink(temporary.handle());
    produce(sink);
    if (!sink.finish()) return failure(sink.error());
    // The data reach the disk before the name does: after a crash the target holds the
    // old bytes or all of the new ones.
    if (!os::flushFile(temporary.handle(), error)) return failure(error);
    if (!temporary.close(error)) return failure(error);
    return {};
}

// Puts the prepared file in its target's place.
Result<> commit(Prepared& prepared) {
    std::error_code error;
    if (!os::renameOver(prepared.temporary.path(), prepared.target.path, error)) {
        return failure(error);
    }
    prepared.temporary.release();
    // Once renamed, every reader sees the new file; a failed flush here cannot bring the
    // old one back and leaves the target whole either way, so it is not reported.
    os::flushDirectory(prepared.target.path.parent_path(), error);
    return {};
}

Result<> resolveTarget(const std::string& path, os::ResolvedPath& target) {
    if (namesNoFile(path)) return failure(std::errc::invalid_argument);
    std::error_code error;
    target = os::resolveLinks(toPath(path), error);
    if (error) return failure(error);
    if (Result<> refused = refuseTarget(target); !refused) return refused;
    // What a killed write left there goes with the next write to the directory.
    os::clearLeftTemporaries(target.path.parent_path());
    return {};
}

// The path of a copy: never written through a link, never the file it copies.
Result<> resolveCopy(const std::string& path, const os::ResolvedPath& original,
                     os::ResolvedPath& copy) {
    if (namesNoFile(path)) return failure(std::errc::invalid_argument);
    std::error_code error;
    copy = os::resolveLinks(toPath(path), error);
    if (error) return failure(error);
    if (copy.throughLink) return platformRefusal(FailureKind::backupAtLink, path);
    if (Result<> refused = refuseNonFile(copy.kind); !refused) return refused;
    if (copy.kind == os::FileKind::regular && copy.device == original.device &&
        copy.inode == original.inode) {
        return platformRefusal(FailureKind::backupIsTheFile);
    }
    return {};
}

Result<> replaceWithAccessOf(const std::string& path, const std::filesystem::path& accessModel,
                             const std::function<void(ByteSink&)>& produce) {
    Prepared prepared;
    if (Result<> resolved = resolveTarget(path, prepared.target); !resolved) return resolved;
    if (Result<> written = prepare(prepared, accessModel, produce); !written) return written;
    return commit(prepared);
}
}  // namespace

Result<> createEmptyFile(const std::string& path) {
    if (namesNoFile(path)) return failure(std::errc::invalid_argument);
    std::error_code error;
    const os::ResolvedPath target = os::resolveLinks(toPath(path), error);
    if (error) return failure(error);
    if (!target.refusedLink.empty()) {
        return platformRefusal(FailureKind::linkNotFollowed, fromPath(target.refusedLink));
    }
    if (Result<> refused = refuseNonFile(target.kind); !refused) return refused;
    const os::FileHandle file = os::createExclusive(target.path, os::NewFileAccess::usual, error);
    if (file == os::kNoFile) return failure(error);
    if (!os::closeFile(file, error)) return failure(error);
    return {};
}

Result<> replaceFile(const std::string& path, const std::function<void(ByteSink&)>& produce) {
    return replaceWithAccessOf(path, {}, produce);
}

Result<> replaceFileBytes(const std::string& path, std::string_view bytes) {
    return replaceFile(path, [bytes](ByteSink& sink) { sink.write(bytes); });
}

Result<> replaceFileWithBackup(const std::string& path,
                               const std::function<void(ByteSink&)>& produce,
                               const std::string& backupPath,
                               const std::function<void(ByteSink&)>& produceBackup,
                               ReplaceStep& failedStep) {
    failedStep = ReplaceStep::file;
    Prepared file;
    if (Result<> resolved = resolveTarget(path, file.target); !resolved) return resolved;
    failedStep = ReplaceStep::backup;
    Prepared backup;
    if (Result<> resolved = resolveCopy(backupPath, file.target, backup.target); !resolved) {
        return resolved;
    }
    const std::filesystem::path original =
        file.target.kind == os::FileKind::regular ? file.target.path : std::filesystem::path();
    if (Result<> written = prepare(backup, original, produceBackup); !written) return written;
    failedStep = ReplaceStep::file;
    if (Result<> written = prepare(file, {}, produce); !written) return written;

    // The earlier backup keeps a second name until the file is replaced, so that it can
    // come back when the replace fails.
    failedStep = ReplaceStep::backup;
    std::error_code error;
    TemporaryFile earlier;
    if (backup.target.kind == os::FileKind::regular &&
        !earlier.keepBeside(backup.target.path, error)) {
        return failure(error);
    }
    if (Result<> placed = commit(backup); !placed) return placed;
    failedStep = ReplaceStep::file;
    Result<> replaced = commit(file);
    if (!replaced) {
        if (!earlier.path().empty()) {
            if (os::renameOver(earlier.path(), backup.target.path, error)) earlier.release();
        } else {
            std::filesystem::remove(backup.target.path, error);
        }
    }
    return replaced;
}

}  // namespace stapelwerk
