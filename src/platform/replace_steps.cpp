#include "platform/replace_steps.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <random>
#include <string_view>

#include "platform/file_rules.h"
#include "platform/paths.h"

namespace stapelwerk::replace {

namespace {
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

// The bytes are gathered in blocks and written a block at a time, so that a producer that
// writes line by line does not cost a system call a line. A file of more than a block
// goes past the page cache (writeUncached): the blocks are aligned as that needs, and only
// the last one, shorter, goes through the cache.
class FileSink final : public ByteSink {
public:
    explicit FileSink(os::FileHandle file) : file_(file) {}

    void write(std::string_view bytes) override {
        while (!error_ && !bytes.empty()) {
            if (!block_) block_.reset(new (kAlignment) char[kBlock]);
            const std::size_t piece = std::min(bytes.size(), kBlock - filled_);
            std::memcpy(block_.get() + filled_, bytes.data(), piece);
            filled_ += piece;
            bytes.remove_prefix(piece);
            if (filled_ == kBlock) writeBlock();
        }
    }

    // Writes what is still gathered; false when any write failed.
    bool finish() {
        if (uncached_) os::writeUncached(file_, false);
        uncached_ = false;
        writeBlock();
        return !error_;
    }

    const std::error_code& error() const { return error_; }

private:
    static constexpr std::size_t kBlock = std::size_t{4} << 20;
    static constexpr std::align_val_t kAlignment{os::kUncachedAlignment};
    static_assert(kBlock % os::kUncachedAlignment == 0);

    struct AlignedDelete {
        void operator()(char* block) const { operator delete[](block, kAlignment); }
    };

    void writeBlock() {
        if (error_ || filled_ == 0) return;
        const bool first = !started_;
        started_ = true;
        if (first && filled_ == kBlock) uncached_ = os::writeUncached(file_, true);
        const bool written = os::writeAll(file_, block_.get(), filled_, error_);
        // A file system that takes the flag but not such a write gets the file through the
        // page cache after all; of the first block nothing has been written then.
        if (!written && first && uncached_ && error_ == std::errc::invalid_argument) {
            uncached_ = false;
            os::writeUncached(file_, false);
            os::writeAll(file_, block_.get(), filled_, error_);
        }
        filled_ = 0;
    }

    os::FileHandle file_;
    std::unique_ptr<char[], AlignedDelete> block_;
    std::size_t filled_ = 0;
    bool started_ = false;
    bool uncached_ = false;
    std::error_code error_;
};

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
}  // namespace

bool namesNoFile(const std::string& path) { return path.find('\0') != std::string::npos; }

Result<> refuseNonFile(os::FileKind kind) {
    if (kind == os::FileKind::directory) return failure(std::errc::is_a_directory);
    if (kind == os::FileKind::other) return failure(std::errc::not_supported);
    return {};
}

TemporaryFile::~TemporaryFile() {
    std::error_code ignored;
    if (file_ != os::kNoFile) os::closeFile(file_, ignored);
    if (!path_.empty()) std::filesystem::remove(path_, ignored);
    releaseHold();
}

bool TemporaryFile::createBeside(const std::filesystem::path& target, os::NewFileAccess access,
                                 std::error_code& error) {
    // A clash with a name that is taken (by chance, or by a link someone put there) only
    // costs another name.
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

bool TemporaryFile::close(std::error_code& error) {
    const os::FileHandle file = file_;
    file_ = os::kNoFile;
    return os::closeFile(file, error);
}

void TemporaryFile::release() {
    path_.clear();
    releaseHold();
}

// After the removal or the rename: until then the file is held, also when it is closed.
void TemporaryFile::releaseHold() {
    if (hold_ != os::kNoFile) os::releaseTemporary(hold_);
    hold_ = os::kNoFile;
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

Result<> resolveCopy(const std::string& path, const os::ResolvedPath& original,
                     os::ResolvedPath& copy) {
    if (namesNoFile(path)) return failure(std::errc::invalid_argument);
    std::error_code error;
    copy = os::resolveLinks(toPath(path), error);
    if (error) return failure(error);
    if (!copy.refusedLink.empty()) {
        return platformRefusal(FailureKind::linkNotFollowed, fromPath(copy.refusedLink));
    }
    if (copy.throughLink) return platformRefusal(FailureKind::backupAtLink, path);
    if (Result<> refused = refuseNonFile(copy.kind); !refused) return refused;
    if (copy.kind == os::FileKind::regular && copy.device == original.device &&
        copy.inode == original.inode) {
        return platformRefusal(FailureKind::backupIsTheFile);
    }
    return {};
}

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

Result<> writeBack(const os::EarlierFile& earlier, const std::filesystem::path& target) {
    Prepared prepared;
    prepared.target = os::resolvedAt(target, os::FileKind::regular, false);
    TemporaryFile& temporary = prepared.temporary;
    std::error_code error;
    // Private until it has the earlier file's access back, as every copy of old bytes.
    if (!temporary.createBeside(target, os::NewFileAccess::ownerOnly, error) ||
        !os::writeEarlier(earlier, temporary.handle(), error) ||
        !os::flushFile(temporary.handle(), error) || !temporary.close(error)) {
        return failure(error);
    }
    return commit(prepared);
}

}  // namespace stapelwerk::replace
