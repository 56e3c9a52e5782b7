#include "platform/text_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/os.h"
#include "platform/paths.h"

namespace stapelwerk {

namespace {
FileResult failure(int error) {
    return {false, os::errnoReason(error)};
}

FileResult failure(const std::error_code& error) {
    return {false, error.message()};
}

std::filesystem::path siblingTemporaryPath(const std::filesystem::path& target) {
    static std::mt19937 generator{std::random_device{}()};
    std::filesystem::path temporary = target;
    temporary += ".new" + std::to_string(generator() % 1000000);
    return temporary;
}
}  // namespace

FileContent readFileBytes(const std::string& path) {
    const std::filesystem::path filePath = toPath(path);
    std::error_code error;
    if (std::filesystem::is_directory(filePath, error)) return {failure(EISDIR), {}};
    std::FILE* file = os::openFile(filePath, "rb");
    if (file == nullptr) return {failure(errno), {}};
    FileContent content;
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.bytes.append(buffer, count);
    if (std::ferror(file)) content.result = failure(errno != 0 ? errno : EIO);
    std::fclose(file);
    return content;
}

FileResult createEmptyFile(const std::string& path) {
    const std::filesystem::path filePath = toPath(path);
    std::error_code error;
    if (std::filesystem::is_directory(filePath, error)) return failure(EISDIR);
    std::FILE* file = os::openFile(filePath, "wbx");
    if (file == nullptr) return failure(errno);
    if (std::fclose(file) != 0) return failure(errno);
    return {};
}

FileResult replaceFileBytes(const std::string& path, const std::string& bytes) {
    const std::filesystem::path target = toPath(path);
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) return failure(EISDIR);

    const std::filesystem::path temporary = siblingTemporaryPath(target);
    std::FILE* file = os::openFile(temporary, "wbx");
    if (file == nullptr) return failure(errno);

    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                         std::fflush(file) == 0;
    const int writeError = errno != 0 ? errno : EIO;
    const bool closed = std::fclose(file) == 0;
    const int closeError = errno != 0 ? errno : EIO;
    if (!written || !closed) {
        std::filesystem::remove(temporary, error);
        return failure(!written ? writeError : closeError);
    }

    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return failure(error);
    }
    return {};
}

}  // namespace stapelwerk
