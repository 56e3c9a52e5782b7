#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <winioctl.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/file_rules.h"
#include "platform/os.h"
#include "platform/paths.h"

namespace stapelwerk::os {

const System kSystem = System::windows;
const char kPathSeparator = '\\';
const char* const kPathSeparators = "\\/";

// The system's heap hands blocks of more than half a megabyte to VirtualAlloc, and back.
void returnLargeBlocksWhenFreed() {}

std::string loginName() {
    wchar_t buffer[256] = {};
    DWORD length = 256;
    if (!GetUserNameW(buffer, &length) || length == 0) return {};
    return fromPath(std::filesystem::path(std::wstring(buffer, length - 1)));
}

std::string homeDirectory() {
    const wchar_t* profile = _wgetenv(L"USERPROFILE");
    return profile != nullptr ? fromPath(std::filesystem::path(profile)) : std::string();
}

std::string userProgramsDirectory() {
    const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
    return local != nullptr ? fromPath(std::filesystem::path(local) / L"Programs") : std::string();
}

std::optional<std::string> environmentVariable(const std::string& name) {
    const wchar_t* value = _wgetenv(toPath(name).c_str());
    return value != nullptr ? std::optional<std::string>(fromPath(std::filesystem::path(value)))
                            : std::nullopt;
}

const bool kPercentVariables = true;

const char* const kExampleDirectory = "C:\\temp";

CadStartDirectories cadStartDirectories(const std::string& user) {
    return {"C:\\users\\" + user + "\\ProEWildfire3\\", "E:\\users\\" + user + "\\ProEWildfire3\\"};
}

const bool kHasSystemShell = true;

const std::vector<std::string_view> kTextEditors = {"notepad.exe"};

bool playSoundFile(const std::string& path) {
    // SND_NODEFAULT: a file that cannot be played stays silent, without the system's beep.
    return PlaySoundW(toPath(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != 0;
}

bool openWithSystem(const std::string& pathOrAddress) {
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", toPath(pathOrAddress).c_str(), nullptr,
                                           nullptr, SW_SHOWNORMAL);
    // Values above 32 mean success, as the call has always reported it.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool isHidden(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

namespace {
// Windows error codes with the system's wording in the user's language. The standard
// library's system category does not give it with every MinGW runtime.
class WindowsErrorCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "windows"; }

    std::string message(int code) const override {
        wchar_t* text = nullptr;
        const DWORD length = FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        if (length == 0 || text == nullptr) return "Windows-Fehler " + std::to_string(code);
        std::wstring wide(text, length);
        LocalFree(text);
        while (!wide.empty() &&
               std::wstring_view(L"\r\n ").find(wide.back()) != std::wstring_view::npos) {
            wide.pop_back();
        }
        return fromPath(std::filesystem::path(wide));
    }

    // So that callers can compare with std::errc, as on POSIX.
    std::error_condition default_error_condition(int code) const noexcept override {
        switch (code) {
            case ERROR_FILE_EXISTS:
            case ERROR_ALREADY_EXISTS:
                return std::errc::file_exists;
            case ERROR_FILE_NOT_FOUND:
            case ERROR_PATH_NOT_FOUND:
                return std::errc::no_such_file_or_directory;
            case ERROR_ACCESS_DENIED:
                return std::errc::permission_denied;
            default:
                return {code, *this};
        }
    }
};

const std::error_category& windowsCategory() {
    static const WindowsErrorCategory category;
    return category;
}

std::error_code windowsError(DWORD code) { return {static_cast<int>(code), windowsCategory()}; }

std::error_code lastError() { return windowsError(GetLastError()); }

HANDLE handleOf(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

// As many links as Windows follows in one path.
constexpr int kMostLinks = 63;

// The fields of a symbolic link's reparse data (REPARSE_DATA_BUFFER, which the SDK keeps in
// a driver header): offsets in bytes from the start of the buffer.
constexpr std::size_t kTagAt = 0;
constexpr std::size_t kSubstituteOffsetAt = 8;
constexpr std::size_t kSubstituteLengthAt = 10;
constexpr std::size_t kPrintOffsetAt = 12;
constexpr std::size_t kPrintLengthAt = 14;
constexpr std::size_t kLinkNamesAt = 20;
constexpr DWORD kMostReparseData = 16 * 1024;

template <typename T>
T fieldAt(const std::vector<unsigned char>& data, std::size_t offset) {
    T value{};
    std::memcpy(&value, data.data() + offset, sizeof value);
    return value;
}

// The target that the symbolic link `link` holds, as written in it (relative or absolute);
// nothing for a reparse point of another kind (a cloud file, a deduplicated file), which is
// a file like any other.
std::optional<std::filesystem::path> symbolicLinkTarget(const std::filesystem::path& link,
                                                        std::error_code& error) {
    const HANDLE handle = CreateFileW(
        link.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = lastError();
        return std::nullopt;
    }
    std::vector<unsigned char> data(kMostReparseData);
    DWORD size = 0;
    const BOOL read = DeviceIoControl(handle, FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                                      kMostReparseData, &size, nullptr);
    const DWORD code = GetLastError();
    CloseHandle(handle);
    if (!read) {
        error = windowsError(code);
        return std::nullopt;
    }
    if (size < kLinkNamesAt || fieldAt<ULONG>(data, kTagAt) != IO_REPARSE_TAG_SYMLINK) {
        return std::nullopt;
    }
    const auto name = [&](std::size_t offsetAt, std::size_t lengthAt) {
        const std::size_t offset = kLinkNamesAt + fieldAt<USHORT>(data, offsetAt);
        const std::size_t length = fieldAt<USHORT>(data, lengthAt);
        if (offset + length > size) return std::wstring();
        std::wstring text(length / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), data.data() + offset, text.size() * sizeof(wchar_t));
        return text;
    };
    // The print name is the target as the user gave it (C:\dir\file, ..\file); the
    // substitute name says the same in the object manager's words (\??\C:\dir\file).
    std::wstring target = name(kPrintOffsetAt, kPrintLengthAt);
    if (target.empty()) {
        target = name(kSubstituteOffsetAt, kSubstituteLengthAt);
        if (target.rfind(L"\\??\\", 0) == 0) target[1] = L'\\';
    }
    if (target.empty()) {
        error = windowsError(ERROR_INVALID_REPARSE_DATA);
        return std::nullopt;
    }
    return std::filesystem::path(target);
}
}  // namespace

namespace {
FileType typeOfOpened(HANDLE file) {
    switch (GetFileType(file)) {
        case FILE_TYPE_DISK:
            return FileType::regular;
        case FILE_TYPE_CHAR:
            return FileType::characterDevice;
        case FILE_TYPE_PIPE:
            return FileType::pipe;
        default:
            return FileType::other;
    }
}
}  // namespace

FileHandle openForReading(const std::filesystem::path& path, FileType& type, std::uintmax_t& size,
                          std::error_code& error) {
    error.clear();
    // A directory is told by its attributes: opening one for reading fails with access denied.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        type = FileType::directory;
        return kNoFile;
    }
    // Opening waits on nothing, not on a pipe (it fails as busy) nor on the console (CON);
    // reading them would, so they are closed again unread.
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = lastError();
        return kNoFile;
    }
    type = typeOfOpened(handle);
    LARGE_INTEGER length{};
    if (type == FileType::regular && GetFileSizeEx(handle, &length)) {
        size = static_cast<std::uintmax_t>(length.QuadPart);
        return reinterpret_cast<FileHandle>(handle);
    }
    if (type == FileType::regular) error = lastError();
    CloseHandle(handle);
    return kNoFile;
}

std::size_t readSome(FileHandle file, char* buffer, std::size_t size, std::error_code& error) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    DWORD read = 0;
    if (!ReadFile(handleOf(file), buffer, piece, &read, nullptr)) {
        error = lastError();
        return 0;
    }
    error.clear();
    return read;
}

bool seekTo(FileHandle file, std::uint64_t offset, std::error_code& error) {
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(handleOf(file), to, nullptr, FILE_BEGIN)) {
        error = lastError();
        return false;
    }
    error.clear();
    return true;
}

namespace {
// The volume and file index that tell two paths of one file apart, as device and inode do
// on POSIX. Opened for no access, which a file held open without sharing allows too.
bool identifyFile(ResolvedPath& resolved, std::error_code& error) {
    const HANDLE file = CreateFileW(resolved.path.c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = lastError();
        return false;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(file, &information) != 0;
    if (!known) error = lastError();
    CloseHandle(file);
    resolved.device = information.dwVolumeSerialNumber;
    resolved.inode = (std::uintmax_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
    return known;
}
}  // namespace

ResolvedPath resolveLinks(const std::filesystem::path& path, std::error_code& error) {
    error.clear();
    std::filesystem::path current = path;
    for (int links = 0; links <= kMostLinks; ++links) {
        // Of a link, its own attributes: it is not followed here.
        const DWORD attributes = GetFileAttributesW(current.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            const DWORD code = GetLastError();
            if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
                return resolvedAt(current, FileKind::missing, links > 0);
            }
            error = windowsError(code);
            return {};
        }
        const FileKind kind =
            (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FileKind::directory : FileKind::regular;
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
            ResolvedPath resolved = resolvedAt(current, kind, links > 0);
            // Windows' own programs do not save over a read-only file, and neither do we.
            resolved.writeProtected =
                kind == FileKind::regular && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
            if (!identifyFile(resolved, error)) return {};
            return resolved;
        }
        const std::optional<std::filesystem::path> target = symbolicLinkTarget(current, error);
        if (error) return {};
        if (!target) return resolvedAt(current, kind, links > 0);
        // A target without a drive (\dir\file) stays on the link's drive, as Windows reads it.
        // Windows takes ".." by the name, also where a path starting \\?\ would not.
        current =
            target->is_absolute() ? *target : (current.parent_path() / *target).lexically_normal();
    }
    error = windowsError(ERROR_CANT_RESOLVE_FILENAME);
    return {};
}

FileHandle createExclusive(const std::filesystem::path& path, NewFileAccess,
                           std::error_code& error) {
    // DELETE lets an ending program mark the file to go with its handle (removeHeldOnEnd);
    // no sharing, so that no other run can remove it while it is written.
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = lastError();
        return kNoFile;
    }
    error.clear();
    return reinterpret_cast<FileHandle>(handle);
}

namespace {

// A new file of a write under way: its handle while it is open, its path until it has
// taken the target's place or is removed.
struct HeldTemporary {
    HANDLE file;
    std::filesystem::path path;
};

// The console's end events come on a thread of their own, so a lock guards the files.
std::mutex heldLock;
// Held while a write puts its files in place (deferEnd): an end event waits for it.
std::recursive_mutex placingLock;
std::map<FileHandle, HeldTemporary> held;
FileHandle lastHold = 0;

// Ctrl+C, Ctrl+Break, a closed console window, a logoff or a shutdown: the program ends;
// its new files go first, as an end signal takes them on POSIX. An open one is marked to
// vanish with its handle. Ctrl+C and Ctrl+Break end it here, with the status Windows gives
// them, so that a script sees the write did not complete (under Wine it ended with 0);
// the other events are left to the system's handler, which runs after this one.
BOOL WINAPI removeHeldOnEnd(DWORD event) {
    const std::lock_guard placed(placingLock);
    {
        const std::lock_guard lock(heldLock);
        for (const auto& [hold, temporary] : held) {
            FILE_DISPOSITION_INFO disposition{TRUE};
            if (temporary.file == INVALID_HANDLE_VALUE ||
                !SetFileInformationByHandle(temporary.file, FileDispositionInfo, &disposition,
                                            sizeof disposition)) {
                DeleteFileW(temporary.path.c_str());
            }
        }
    }
    // At once, as a signal ends a POSIX process: the write stopped half-way, and nothing of
    // it, nor of the program's other state, is to be finished or flushed now.
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        TerminateProcess(GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
    }
    return FALSE;
}

// Whether this process's user owns the file at `path`; false when either cannot be read.
bool ownedByThisUser(const std::filesystem::path& path) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    std::vector<BYTE> user(256);
    DWORD size = 0;
    bool known = GetTokenInformation(token, TokenUser, user.data(), static_cast<DWORD>(user.size()),
                                     &size) != 0;
    CloseHandle(token);
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    known = known &&
            GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                                  nullptr, nullptr, nullptr, &descriptor) == ERROR_SUCCESS;
    const bool same =
        known && EqualSid(owner, reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid) != 0;
    if (descriptor != nullptr) LocalFree(descriptor);
    return same;
}

}  // namespace

FileHandle holdTemporary(FileHandle file, const std::filesystem::path& path,
                         std::error_code& error) {
    static const bool handlerSet = SetConsoleCtrlHandler(removeHeldOnEnd, TRUE) != 0;
    (void)handlerSet;
    const std::lock_guard lock(heldLock);
    held.emplace(++lastHold, HeldTemporary{handleOf(file), path});
    error.clear();
    return lastHold;
}

void deferEnd() { placingLock.lock(); }

void allowEnd() { placingLock.unlock(); }

void releaseTemporary(FileHandle hold) {
    const std::lock_guard lock(heldLock);
    held.erase(hold);
}

// A file that a running write holds cannot be removed (it shares nothing), so a failed
// removal is how such a file is left alone; the rule sees an owner only as this user's or not.
void clearLeftTemporaries(const std::filesystem::path& directory) {
    const std::filesystem::path pattern =
        directory / toPath(std::string(kTemporaryPrefix) + "*" + std::string(kTemporarySuffix));
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    constexpr std::uint32_t kThisUser = 0;
    constexpr std::uint32_t kSomeoneElse = 1;
    do {
        const std::filesystem::path path = directory / found.cFileName;
        const bool regular = (found.dwFileAttributes &
                              (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
        if (isLeftTemporary(fromPath(found.cFileName), regular,
                            ownedByThisUser(path) ? kThisUser : kSomeoneElse, kThisUser, false)) {
            DeleteFileW(path.c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

namespace {
// Gives `file` those of `attributes` that Windows programs keep when they save a file.
// ReplaceFileW carries them over as well, but not every implementation of it does (Wine's
// does not).
bool keepAttributes(FileHandle file, DWORD attributes, std::error_code& error) {
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    FILE_BASIC_INFO information{};
    information.FileAttributes =
        (attributes & kKept) != 0 ? attributes & kKept : FILE_ATTRIBUTE_NORMAL;
    if (!SetFileInformationByHandle(handleOf(file), FileBasicInfo, &information,
                                    sizeof information)) {
        error = lastError();
        return false;
    }
    error.clear();
    return true;
}
}  // namespace

bool copyAccess(FileHandle file, const std::filesystem::path& model, std::error_code& error) {
    const DWORD attributes = GetFileAttributesW(model.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        error = lastError();
        return false;
    }
    // Windows marks a file read-only so that it is not changed, and its own programs do
    // not save over it: neither does this one.
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        error = windowsError(ERROR_ACCESS_DENIED);
        return false;
    }
    return keepAttributes(file, attributes, error);
}

bool keepEarlier(const std::filesystem::path& path, EarlierFile& earlier, std::error_code& error) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = lastError();
        return false;
    }
    error.clear();
    earlier.bytes.clear();
    char block[65536];
    DWORD count = 0;
    bool read = false;
    while ((read = ReadFile(file, block, sizeof block, &count, nullptr) != 0) && count > 0) {
        earlier.bytes.append(block, count);
    }
    if (!read) error = lastError();
    CloseHandle(file);
    earlier.attributes = GetFileAttributesW(path.c_str());
    if (read && earlier.attributes == INVALID_FILE_ATTRIBUTES) error = lastError();
    return !error;
}

bool writeEarlier(const EarlierFile& earlier, FileHandle file, std::error_code& error) {
    return writeAll(file, earlier.bytes.data(), earlier.bytes.size(), error) &&
           keepAttributes(file, earlier.attributes, error);
}

void releaseEarlier(EarlierFile& earlier) { std::string().swap(earlier.bytes); }

bool writeAll(FileHandle file, const char* bytes, std::size_t size, std::error_code& error) {
    while (size > 0) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(handleOf(file), bytes, piece, &written, nullptr)) {
            error = lastError();
            return false;
        }
        if (written == 0) {
            error = windowsError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes += written;
        size -= written;
    }
    error.clear();
    return true;
}

// FILE_FLAG_NO_BUFFERING is chosen when a file is opened, not later.
bool writeUncached(FileHandle, bool) { return false; }

bool flushFile(FileHandle file, std::error_code& error) {
    if (!FlushFileBuffers(handleOf(file))) {
        error = lastError();
        return false;
    }
    error.clear();
    return true;
}

bool closeFile(FileHandle file, std::error_code& error) {
    {
        // From here on an ending program removes the file by its path.
        const std::lock_guard lock(heldLock);
        for (auto& [hold, temporary] : held) {
            if (temporary.file == handleOf(file)) temporary.file = INVALID_HANDLE_VALUE;
        }
    }
    if (!CloseHandle(handleOf(file))) {
        error = lastError();
        return false;
    }
    error.clear();
    return true;
}

bool renameOver(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code& error) {
    error.clear();
    if (GetFileAttributesW(to.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (MoveFileExW(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        error = lastError();
        return false;
    }
    // ReplaceFileW keeps the old file's attributes and ACL. Without a backup name, a
    // failure part way (ERROR_UNABLE_TO_MOVE_REPLACEMENT) would leave no file at `to`;
    // with one, the old file is always under one of two names we know.
    std::filesystem::path backup = from;
    backup += L".old";
    if (ReplaceFileW(to.c_str(), from.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
        DeleteFileW(backup.c_str());
        return true;
    }
    const DWORD code = GetLastError();
    if (code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 ||
        (GetFileAttributesW(to.c_str()) == INVALID_FILE_ATTRIBUTES &&
         GetFileAttributesW(backup.c_str()) != INVALID_FILE_ATTRIBUTES)) {
        // The old file was moved to the backup name, the new one not into place: put the
        // old one back.
        MoveFileExW(backup.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    error = windowsError(code);
    return false;
}

// ReplaceFileW moves the replaced file aside only under a name of its own, not in one step
// with the new one.
bool exchange(const std::filesystem::path&, const std::filesystem::path&, std::error_code& error) {
    error = std::make_error_code(std::errc::not_supported);
    return false;
}

bool renameWhereNothingIs(const std::filesystem::path& from, const std::filesystem::path& to,
                          std::error_code& error) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
        error.clear();
        return true;
    }
    error = lastError();
    return false;
}

bool flushDirectory(const std::filesystem::path& directory, std::error_code& error) {
    // NTFS logs renames in its journal; flushing a directory handle asks it to write
    // that log out now.
    const std::filesystem::path name = directory.empty() ? std::filesystem::path(L".") : directory;
    const HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = lastError();
        return false;
    }
    const bool flushed = flushFile(reinterpret_cast<FileHandle>(handle), error);
    CloseHandle(handle);
    return flushed;
}

}  // namespace stapelwerk::os
