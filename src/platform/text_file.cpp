#include "platform/text_file.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "platform/input_limit.h"
#include "platform/os.h"
#include "platform/paths.h"
#include "platform/replace_steps.h"

namespace stapelwerk {

using replace::failure;
using replace::namesNoFile;

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

Result<> createEmptyFile(const std::string& path) {
    if (namesNoFile(path)) return failure(std::errc::invalid_argument);
    std::error_code error;
    const os::ResolvedPath target = os::resolveLinks(toPath(path), error);
    if (error) return failure(error);
    if (!target.refusedLink.empty()) {
        return platformRefusal(FailureKind::linkNotFollowed, fromPath(target.refusedLink));
    }
    if (Result<> refused = replace::refuseNonFile(target.kind); !refused) return refused;
    const os::FileHandle file = os::createExclusive(target.path, os::NewFileAccess::usual, error);
    if (file == os::kNoFile) return failure(error);
    if (!os::closeFile(file, error)) return failure(error);
    return {};
}

Result<> replaceFile(const std::string& path, const std::function<void(ByteSink&)>& produce) {
    replace::Prepared prepared;
    if (Result<> resolved = replace::resolveTarget(path, prepared.target); !resolved) {
        return resolved;
    }
    if (Result<> written = replace::prepare(prepared, {}, produce); !written) return written;
    return replace::commit(prepared);
}

Result<> replaceFileBytes(const std::string& path, std::string_view bytes) {
    return replaceFile(path, [bytes](ByteSink& sink) { sink.write(bytes); });
}

}  // namespace stapelwerk
