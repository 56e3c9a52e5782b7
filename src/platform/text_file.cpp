#include "platform/text_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
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
    const std::filesystem::path filePath = toPath(path);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(filePath, error);
    if (std::filesystem::is_directory(status)) return failure(std::errc::is_a_directory);
    // A file's size is known ahead: one allocation of it, not a doubling string that
    // holds up to three times the file for a moment. Devices and pipes grow piece by piece.
    std::uintmax_t size = 0;
    if (std::filesystem::is_regular_file(status)) {
        size = std::filesystem::file_size(filePath, error);
        if (error) size = 0;
    }
    if (size > kMostInputBytes) return platformRefusal(FailureKind::inputTooLarge);
    std::FILE* file = os::openFile(filePath, "rb", error);
    if (file == nullptr) return failure(error);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    std::size_t count = 0;
    bool fits = true;
    while (fits && (count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        fits = appendWithinLimit(bytes, {buffer, count});
    }
    const bool failed = std::ferror(file) != 0;
    const int readError = errno != 0 ? errno : EIO;
    std::fclose(file);
    if (!fits) return platformRefusal(FailureKind::inputTooLarge);
    if (failed) return failure(std::error_code(readError, std::generic_category()));
    return bytes;
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
