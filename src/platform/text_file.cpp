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

Result<std::string> readFileBytes(const std::string& path) {
    if (namesNoFile(path)) return failure(std::errc::invalid_argument);
    std::error_code error;
    FileType type = FileType::regular;
    std::uintmax_t size = 0;
    const os::FileHandle file = os::openForReading(toPath(path), type, size, error);
    if (error) return failure(error);
    if (type == FileType::directory) return failure(std::errc::is_a_directory);
    if (file == os::kNoFile) return notAFileFailure(type);
    std::string bytes;
    // A file's size is known ahead: one allocation of it, not a doubling string that holds
    // up to three times the file for a moment. A file that grows meanwhile still stops at
    // the limit.
    bool fits = size <= kMostInputBytes;
    if (fits) bytes.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    std::size_t count = 0;
    while (fits && (count = os::readSome(file, buffer, sizeof buffer, error)) > 0) {
        fits = appendWithinLimit(bytes, {buffer, count});
    }
    std::error_code ignored;
    os::closeFile(file, ignored);
    if (!fits) return platformRefusal(FailureKind::inputTooLarge);
    if (error) return failure(error);
    return bytes;
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
