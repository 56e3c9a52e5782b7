#include <dirent.h>
#include <fcntl.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/file_rules.h"
#include "platform/os.h"
#include "platform/paths.h"

namespace stapelwerk::os {

const System kSystem = System::posix;
const char kPathSeparator = '/';
const char* const kPathSeparators = "/";

void returnLargeBlocksWhenFreed() {
#ifdef __GLIBC__
    // A fixed threshold stops glibc raising it to the size of each large block freed, after
    // which the next list's blocks would land in the heap and stay there. Lists of 100,000
    // entries keep their blocks below it, in the heap, as fast as before.
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
#endif
}

// The password entry of the effective user: getlogin() fails without a terminal.
std::string loginName() {
    const passwd* entry = getpwuid(geteuid());
    return entry != nullptr && entry->pw_name != nullptr ? entry->pw_name : "";
}

const char* const kExampleDirectory = "/tmp";

// $HOME as the shell and Qt see it, else the password entry.
std::string homeDirectory() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return home;
    const passwd* entry = getpwuid(geteuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/";
}

std::string userProgramsDirectory() { return joinFileName(homeDirectory(), ".local"); }

std::optional<std::string> environmentVariable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

const bool kPercentVariables = false;

// There are no drive letters: both places are in the user's home directory.
CadStartDirectories cadStartDirectories(const std::string&) {
    const std::string directory = joinFileName(homeDirectory(), "ProEWildfire3/");
    return {directory, directory};
}

const bool kHasSettingsStore = false;

std::optional<std::string> readStoredSetting(const std::string&, const std::string&,
                                             const std::string&) {
    return std::nullopt;
}

bool writeStoredSetting(const std::string&, const std::string&, const std::string&,
                        const std::string&, std::error_code& error) {
    error = std::make_error_code(std::errc::operation_not_supported);
    return false;
}

const bool kHasSystemShell = false;

const std::vector<std::string_view> kTextEditors = {
    "gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed", "pluma", "featherpad",
};

bool playSoundFile(const std::string&) { return false; }

bool openWithSystem(const std::string&) { return false; }

bool isHidden(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    return !name.empty() && name.front() == '.';
}

namespace {
std::error_code lastError() { return {errno, std::system_category()}; }

int descriptor(FileHandle file) { return static_cast<int>(file); }

FileKind kindOf(mode_t mode) {
    if (S_ISREG(mode)) return FileKind::regular;
    if (S_ISDIR(mode)) return FileKind::directory;
    return FileKind::other;
}

FileType typeOf(mode_t mode) {
    if (S_ISREG(mode)) return FileType::regular;
    if (S_ISDIR(mode)) return FileType::directory;
    if (S_ISFIFO(mode)) return FileType::pipe;
    if (S_ISCHR(mode)) return FileType::characterDevice;
    if (S_ISBLK(mode)) return FileType::blockDevice;
    if (S_ISSOCK(mode)) return FileType::socket;
    return FileType::other;
}

// As many links as Linux follows in one path before it gives up with ELOOP.
constexpr int kMostLinks = 40;

FileHandle closedWith(int file, std::error_code& error) {
    error = lastError();
    ::close(file);
    return kNoFile;
}
}  // namespace

FileHandle openForReading(const std::filesystem::path& path, FileType& type, std::uintmax_t& size,
                          std::error_code& error) {
    error.clear();
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        error = lastError();
        return kNoFile;
    }
    type = typeOf(status.st_mode);
    if (type != FileType::regular) return kNoFile;
    // Not waiting either when a FIFO has taken the file's place since it was looked at.
    int file = -1;
    do {
        file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (file < 0 && errno == EINTR);
    if (file < 0) {
        error = lastError();
        return kNoFile;
    }
    if (::fstat(file, &status) != 0) return closedWith(file, error);
    type = typeOf(status.st_mode);
    if (type != FileType::regular) {
        ::close(file);
        return kNoFile;
    }
    // A regular file's reads never wait; without the flag none of them can end early.
    const int flags = ::fcntl(file, F_GETFL);
    if (flags < 0 || ::fcntl(file, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return closedWith(file, error);
    }
    size = static_cast<std::uintmax_t>(status.st_size);
    return file;
}

std::size_t readSome(FileHandle file, char* buffer, std::size_t size, std::error_code& error) {
    for (;;) {
        const ssize_t count = ::read(descriptor(file), buffer, size);
        if (count >= 0) {
            error.clear();
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            error = lastError();
            return 0;
        }
    }
}

bool seekTo(FileHandle file, std::uint64_t offset, std::error_code& error) {
    if (::lseek(descriptor(file), static_cast<off_t>(offset), SEEK_SET) < 0) {
        error = lastError();
        return false;
    }
    error.clear();
    return true;
}

namespace {
bool inGroup(gid_t group) {
    if (group == ::getegid()) return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, group) != groups.end();
}

ResolvedPath existing(const std::filesystem::path& path, const struct stat& status) {
    ResolvedPath resolved = resolvedAt(path, kindOf(status.st_mode), false);
    resolved.names = status.st_nlink;
    resolved.device = status.st_dev;
    resolved.inode = status.st_ino;
    resolved.writeProtected =
        S_ISREG(status.st_mode) &&
        isWriteProtected(status.st_mode, status.st_uid, inGroup(status.st_gid), ::geteuid());
    return resolved;
}

// Whether the kernel would follow the link, with the status `link`, at `path`.
bool followedByKernel(const std::filesystem::path& path, const struct stat& link,
                      std::error_code& error) {
    const std::filesystem::path parent = path.parent_path();
    struct stat directory {};
    if (::stat(parent.empty() ? "." : parent.c_str(), &directory) != 0) {
        error = lastError();
        return false;
    }
    return linkMayBeFollowed(link.st_uid, directory.st_uid, directory.st_mode, ::geteuid());
}
}  // namespace

namespace {
// The first link among the directories of `path` that the kernel would not follow for this
// user; empty when there is none. A directory that cannot be looked at ends the search: a
// write there fails with the system's own reason.
std::filesystem::path refusedDirectoryLink(const std::filesystem::path& path,
                                           std::error_code& error) {
    std::filesystem::path prefix;
    for (const std::filesystem::path& part : path.parent_path()) {
        prefix /= part;
        struct stat status {};
        if (::lstat(prefix.c_str(), &status) != 0) return {};
        if (S_ISLNK(status.st_mode) && !followedByKernel(prefix, status, error)) {
            return error ? std::filesystem::path() : prefix;
        }
    }
    return {};
}

ResolvedPath refusedAt(const std::filesystem::path& link) {
    ResolvedPath refused = resolvedAt(link, FileKind::other, true);
    refused.refusedLink = link;
    return refused;
}
}  // namespace

ResolvedPath resolveLinks(const std::filesystem::path& path, std::error_code& error) {
    error.clear();
    std::filesystem::path current = path;
    for (int links = 0; links <= kMostLinks; ++links) {
        const std::filesystem::path refusedDirectory = refusedDirectoryLink(current, error);
        if (error) return {};
        if (!refusedDirectory.empty()) return refusedAt(refusedDirectory);
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT) {
                error = lastError();
                return {};
            }
            return resolvedAt(current, FileKind::missing, links > 0);
        }
        if (!S_ISLNK(status.st_mode)) {
            ResolvedPath resolved = existing(current, status);
            resolved.throughLink = links > 0;
            return resolved;
        }
        if (!followedByKernel(current, status, error)) {
            if (error) return {};
            return refusedAt(current);
        }
        const std::filesystem::path target = std::filesystem::read_symlink(current, error);
        if (error) return {};
        // Not normalised: ".." in a target means the parent of the directory the link
        // lies in, as the system reads it, even where that directory is itself a link.
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return {};
}

FileHandle createExclusive(const std::filesystem::path& path, NewFileAccess access,
                           std::error_code& error) {
    const mode_t mode = access == NewFileAccess::ownerOnly ? 0600 : 0666;
    int file = -1;
    do {
        file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    } while (file < 0 && errno == EINTR);
    if (file < 0) {
        error = lastError();
        return kNoFile;
    }
    error.clear();
    return file;
}

namespace {
// The paths of the new files being written, for the signal handler, which may only look at
// memory prepared before it runs. A write holds at most two at once (a file and its backup).
struct HeldPath {
    // The hold's descriptor while the path is set; -1 when free, -2 while it is being set.
    std::atomic<int> hold{-1};
    char path[PATH_MAX] = {};
};
HeldPath heldPaths[4];
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads it");

constexpr std::array<int, 3> kEndSignals = {SIGTERM, SIGINT, SIGHUP};

// How many writes are putting their files in place (deferEnd), and the end signal that came
// meanwhile. Atomics, not a blocked signal mask: the signal may reach any of the program's
// threads.
std::atomic<int> deferring{0};
std::atomic<int> deferredSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads them");

// Removes every held file, then lets the signal end the program as it would have: with its
// default action back, the signal raised again ends the program with the signal's status
// (in a handler, once the handler returns).
void removeHeldAndEnd(int signal) {
    for (const HeldPath& held : heldPaths) {
        if (held.hold.load() >= 0) ::unlink(held.path);
    }
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    ::sigaction(signal, &fallback, nullptr);
    ::raise(signal);
}

extern "C" void onEndSignal(int signal) {
    if (deferring.load() > 0) {
        deferredSignal.store(signal);
        return;
    }
    removeHeldAndEnd(signal);
}

// Once, before the first file is held. A signal that the program was started to ignore
// (nohup) stays ignored. SIGXFSZ is ignored, so that a file growing past the size limit
// fails its write with EFBIG and is refused, instead of the program being killed.
bool catchEndSignals() {
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    ::sigemptyset(&action.sa_mask);
    for (const int signal : kEndSignals) ::sigaddset(&action.sa_mask, signal);
    for (const int signal : kEndSignals) {
        struct sigaction old {};
        if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_DFL) {
            ::sigaction(signal, &action, nullptr);
        }
    }
    struct sigaction fileSize {};
    if (::sigaction(SIGXFSZ, nullptr, &fileSize) == 0 && fileSize.sa_handler == SIG_DFL) {
        fileSize.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &fileSize, nullptr);
    }
    return true;
}

bool sameFile(const struct stat& one, const struct stat& other) {
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// Whether the descriptor still is the file at `path`: another run's clearing may have
// removed the name before the hold was taken.
bool stillAt(int file, const std::filesystem::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(file, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           sameFile(opened, named);
}
}  // namespace

FileHandle holdTemporary(FileHandle file, const std::filesystem::path& path,
                         std::error_code& error) {
    static const bool caught = catchEndSignals();
    static_cast<void>(caught);
    const std::string& name = path.native();
    HeldPath* slot = nullptr;
    for (HeldPath& held : heldPaths) {
        int free = -1;
        if (name.size() < sizeof held.path && held.hold.compare_exchange_strong(free, -2)) {
            slot = &held;
            break;
        }
    }
    if (slot == nullptr) {
        error = std::make_error_code(std::errc::filename_too_long);
        return kNoFile;
    }
    // A second descriptor of the same open file: the lock lasts until both are closed, so
    // the written file, closed before its rename, stays held up to the rename.
    const int hold = ::fcntl(descriptor(file), F_DUPFD_CLOEXEC, 0);
    if (hold < 0) {
        error = lastError();
        slot->hold.store(-1);
        return kNoFile;
    }
    // Where the file system has no locks the clearing cannot take one either and leaves
    // the file alone.
    const bool locked = ::flock(hold, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
    if (!locked || !stillAt(hold, path)) {
        ::close(hold);
        slot->hold.store(-1);
        error = std::make_error_code(std::errc::file_exists);
        return kNoFile;
    }
    std::memcpy(slot->path, name.c_str(), name.size() + 1);
    slot->hold.store(hold);
    error.clear();
    return hold;
}

void deferEnd() { ++deferring; }

void allowEnd() {
    if (--deferring > 0) return;
    if (const int signal = deferredSignal.exchange(0); signal != 0) removeHeldAndEnd(signal);
}

void releaseTemporary(FileHandle hold) {
    for (HeldPath& held : heldPaths) {
        if (held.hold.load() == descriptor(hold)) held.hold.store(-1);
    }
    ::close(descriptor(hold));
}

namespace {
// Whether another process holds the open file with a lock: flock, or a record lock of fcntl
// or lockf, which flock does not see. A file system without locks counts as holding it.
bool heldByAnother(int file) {
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) return true;
    struct flock record {};
    record.l_type = F_WRLCK;
    record.l_whence = SEEK_SET;  // from the start to the end, however far it grows
    return ::fcntl(file, F_GETLK, &record) != 0 || record.l_type != F_UNLCK;
}
}  // namespace

void clearLeftTemporaries(const std::filesystem::path& directory) {
    DIR* entries = ::opendir(directory.empty() ? "." : directory.c_str());
    if (entries == nullptr) return;
    const int folder = ::dirfd(entries);
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(kTemporaryPrefix)) continue;
        // Opened, not followed: a link planted under such a name is not a file of ours.
        const int file =
            ::openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (file < 0) continue;
        struct stat opened {};
        struct stat named {};
        if (::fstat(file, &opened) == 0 &&
            isLeftTemporary(name, S_ISREG(opened.st_mode), opened.st_uid, ::geteuid(),
                            heldByAnother(file)) &&
            ::fstatat(folder, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            sameFile(opened, named)) {
            ::unlinkat(folder, entry->d_name, 0);
        }
        ::close(file);
    }
    ::closedir(entries);
}

namespace {
// The ACL beside the permission bits; its mask is what `ls` shows as the group's bits.
constexpr std::string_view kAccessAcl = "system.posix_acl_access";

// The file whose access a new file takes: named by its path, or an open descriptor (a file
// whose last name has gone).
struct AccessModel {
    const char* path = nullptr;
    int file = -1;

    int status(struct stat& wanted) const {
        return path != nullptr ? ::stat(path, &wanted) : ::fstat(file, &wanted);
    }
    ssize_t list(char* names, std::size_t size) const {
        return path != nullptr ? ::listxattr(path, names, size) : ::flistxattr(file, names, size);
    }
    ssize_t get(const char* name, void* value, std::size_t size) const {
        return path != nullptr ? ::getxattr(path, name, value, size)
                               : ::fgetxattr(file, name, value, size);
    }
};

// The list of the extended attributes of `model`, each name ended by a NUL.
bool attributeNames(const AccessModel& model, std::vector<char>& names, std::error_code& error) {
    for (;;) {
        const ssize_t size = model.list(nullptr, 0);
        if (size >= 0) {
            names.resize(static_cast<std::size_t>(size));
            const ssize_t listed = model.list(names.data(), names.size());
            if (listed >= 0) {
                names.resize(static_cast<std::size_t>(listed));
                return true;
            }
        }
        if (errno == ERANGE) continue;  // the list grew meanwhile
        // A file system without them: there is nothing to copy.
        if (errno == ENOTSUP) return true;
        error = lastError();
        return false;
    }
}

// Copies the extended attributes of `model`, its ACL among them, onto `file`; `hasAcl` tells
// whether the model has an ACL. An attribute that this process may not set (trusted.*, some
// security.*) is left out: the new file has less, never more, than the old one.
bool copyAttributes(int file, const AccessModel& model, bool& hasAcl, std::error_code& error) {
    hasAcl = false;
    std::vector<char> names;
    if (!attributeNames(model, names, error)) return false;
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size(); at += std::strlen(names.data() + at) + 1) {
        const char* name = names.data() + at;
        hasAcl = hasAcl || name == kAccessAcl;
        ssize_t size = model.get(name, nullptr, 0);
        if (size >= 0) {
            value.resize(static_cast<std::size_t>(size));
            size = model.get(name, value.data(), value.size());
        }
        if (size < 0 && errno == ENODATA) continue;  // removed meanwhile
        if (size < 0 ||
            (::fsetxattr(file, name, value.data(), static_cast<std::size_t>(size), 0) != 0 &&
             errno != EPERM && errno != ENOTSUP)) {
            error = lastError();
            return false;
        }
    }
    return true;
}

bool copyAccessOf(FileHandle file, const AccessModel& model, std::error_code& error) {
    struct stat wanted {};
    if (model.status(wanted) != 0) {
        error = lastError();
        return false;
    }
    // Owner first: changing it clears the set-user-ID and set-group-ID bits. Only a
    // privileged process may give a file away; then at least the group is kept where the
    // user belongs to it. EINVAL: an id that this user namespace does not map.
    if (::fchown(descriptor(file), wanted.st_uid, wanted.st_gid) != 0) {
        if (errno != EPERM && errno != EINVAL) {
            error = lastError();
            return false;
        }
        if (::fchown(descriptor(file), static_cast<uid_t>(-1), wanted.st_gid) != 0 &&
            errno != EPERM && errno != EINVAL) {
            error = lastError();
            return false;
        }
    }
    bool hasAcl = false;
    if (!copyAttributes(descriptor(file), model, hasAcl, error)) return false;
    struct stat current {};
    if (::fstat(descriptor(file), &current) != 0) {
        error = lastError();
        return false;
    }
    // Left alone when it already fits: file systems without permission bits (FAT) refuse
    // any change, and there the old and the new file have the same bits anyway. With an ACL
    // the group's bits are its mask, which the copied ACL has set; setting them from the old
    // mode would give the owning group what the mask allows a named user.
    mode_t bits = wanted.st_mode & 07777;
    if (hasAcl) bits = (bits & ~mode_t{070}) | (current.st_mode & 070);
    if ((current.st_mode & 07777) != bits && ::fchmod(descriptor(file), bits) != 0) {
        error = lastError();
        return false;
    }
    error.clear();
    return true;
}
}  // namespace

bool copyAccess(FileHandle file, const std::filesystem::path& model, std::error_code& error) {
    return copyAccessOf(file, AccessModel{model.c_str()}, error);
}

bool keepEarlier(const std::filesystem::path& path, EarlierFile& earlier, std::error_code& error) {
    const int file = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        error = lastError();
        return false;
    }
    earlier.file = file;
    error.clear();
    return true;
}

bool writeEarlier(const EarlierFile& earlier, FileHandle file, std::error_code& error) {
    std::vector<char> block(std::size_t{1} << 20);
    for (off_t at = 0;;) {
        const ssize_t count = ::pread(descriptor(earlier.file), block.data(), block.size(), at);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            error = lastError();
            return false;
        }
        if (count == 0) break;
        if (!writeAll(file, block.data(), static_cast<std::size_t>(count), error)) return false;
        at += count;
    }
    return copyAccessOf(file, AccessModel{nullptr, descriptor(earlier.file)}, error);
}

void releaseEarlier(EarlierFile& earlier) {
    if (earlier.file != kNoFile) ::close(descriptor(earlier.file));
    earlier.file = kNoFile;
}

bool writeAll(FileHandle file, const char* bytes, std::size_t size, std::error_code& error) {
    while (size > 0) {
        const ssize_t written = ::write(descriptor(file), bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            error = lastError();
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    error.clear();
    return true;
}

bool writeUncached(FileHandle file, bool uncached) {
    const int flags = ::fcntl(descriptor(file), F_GETFL);
    return flags >= 0 &&
           ::fcntl(descriptor(file), F_SETFL, uncached ? flags | O_DIRECT : flags & ~O_DIRECT) == 0;
}

bool flushFile(FileHandle file, std::error_code& error) {
    while (::fsync(descriptor(file)) != 0) {
        if (errno == EINTR) continue;
        error = lastError();
        return false;
    }
    error.clear();
    return true;
}

bool closeFile(FileHandle file, std::error_code& error) {
    // After EINTR the descriptor is closed all the same (Linux), and the data have been
    // flushed before: nothing is lost.
    if (::close(descriptor(file)) != 0 && errno != EINTR) {
        error = lastError();
        return false;
    }
    error.clear();
    return true;
}

namespace {
// Every step that puts a file in place is one renameat2 call, with or without a flag, so that
// a trace of a write (strace -e renameat2) shows its steps in order. Fails with
// std::errc::not_supported where the kernel or the file system lacks the flag.
bool renameWith(const std::filesystem::path& from, const std::filesystem::path& to,
                unsigned int flags, std::error_code& error) {
    long result = ::syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), flags);
    if (result != 0 && errno == ENOSYS && flags == 0) result = ::rename(from.c_str(), to.c_str());
    if (result == 0) {
        error.clear();
        return true;
    }
    // ENOSYS: a kernel before 3.15; EINVAL: a file system without the flag.
    const bool unsupported = flags != 0 && (errno == ENOSYS || errno == EINVAL);
    error = unsupported ? std::make_error_code(std::errc::not_supported) : lastError();
    return false;
}
}  // namespace

bool renameOver(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code& error) {
    return renameWith(from, to, 0, error);
}

bool exchange(const std::filesystem::path& from, const std::filesystem::path& to,
              std::error_code& error) {
    return renameWith(from, to, RENAME_EXCHANGE, error);
}

bool renameWhereNothingIs(const std::filesystem::path& from, const std::filesystem::path& to,
                          std::error_code& error) {
    if (renameWith(from, to, RENAME_NOREPLACE, error)) return true;
    if (error != std::errc::not_supported) return false;
    struct stat status {};
    if (::lstat(to.c_str(), &status) == 0) {
        error = std::make_error_code(std::errc::file_exists);
        return false;
    }
    return renameOver(from, to, error);
}

bool flushDirectory(const std::filesystem::path& directory, std::error_code& error) {
    const char* name = directory.empty() ? "." : directory.c_str();
    const int file = ::open(name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (file < 0) {
        error = lastError();
        return false;
    }
    const bool flushed = flushFile(file, error);
    std::error_code ignored;
    closeFile(file, ignored);
    return flushed;
}

}  // namespace stapelwerk::os
