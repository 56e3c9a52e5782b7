#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/file_rules.h"
#include "platform/os.h"
#include "platform/paths.h"

namespace stapelwerk::os {

const char kPathSeparator = '/';
const char* const kPathSeparators = "/";

std::FILE* openFile(const std::filesystem::path& path, const char* mode, std::error_code& error) {
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (file == nullptr) error.assign(errno, std::generic_category());
    return file;
}

// The password entry of the effective user: getlogin() fails without a terminal.
std::string loginName() {
    const passwd* entry = getpwuid(geteuid());
    return entry != nullptr && entry->pw_name != nullptr ? entry->pw_name : "";
}

const char* const kExampleDirectory = "/tmp";

namespace {
// $HOME as the shell and Qt see it, else the password entry.
std::string homeDirectory() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return home;
    const passwd* entry = getpwuid(geteuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/";
}
}  // namespace

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

// As many links as Linux follows in one path before it gives up with ELOOP.
constexpr int kMostLinks = 40;
}  // namespace

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

ResolvedPath resolveLinks(const std::filesystem::path& path, std::error_code& error) {
    error.clear();
    std::filesystem::path current = path;
    for (int links = 0; links <= kMostLinks; ++links) {
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
            ResolvedPath refused = resolvedAt(current, FileKind::other, true);
            refused.refusedLink = current;
            return refused;
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

bool copyAccess(FileHandle file, const std::filesystem::path& model, std::error_code& error) {
    struct stat wanted {};
    if (::stat(model.c_str(), &wanted) != 0) {
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
    struct stat current {};
    if (::fstat(descriptor(file), &current) != 0) {
        error = lastError();
        return false;
    }
    // Left alone when it already fits: file systems without permission bits (FAT) refuse
    // any change, and there the old and the new file have the same bits anyway.
    const mode_t bits = wanted.st_mode & 07777;
    if ((current.st_mode & 07777) != bits && ::fchmod(descriptor(file), bits) != 0) {
        error = lastError();
        return false;
    }
    error.clear();
    return true;
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

bool renameOver(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code& error) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        error = lastError();
        return false;
    }
    error.clear();
    return true;
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
