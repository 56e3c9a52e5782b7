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
FileResult failure(int error) { return {false, os::errnoReason(error)}; }

FileResult failure(const std::error_code& error) { return {false, error.message()}; }

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
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.bytes.append(buffer, count);
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

namespace {
class StdioSink : public ByteSink {
public:
    explicit StdioSink(std::FILE* file) : file_(file) {}
    void write(std::string_view bytes) override {
        if (error_ != 0 || bytes.empty()) return;
        errno = 0;
        if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
            error_ = errno != 0 ? errno : EIO;
        }
    }
    int error() const { return error_; }
    void fail(int error) {
        if (error_ == 0) error_ = error;
    }

private:
    std::FILE* file_;
    int error_ = 0;
};
}  // namespace

FileResult replaceFile(const std::string& path, const std::function<void(ByteSink&)>& produce) {
    const std::filesystem::path target = toPath(path);
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) return failure(EISDIR);

    const std::filesystem::path temporary = siblingTemporaryPath(target);
    std::FILE* file = os::openFile(temporary, "wbx");
    if (file == nullptr) return failure(errno);

    StdioSink sink(file);
    produce(sink);
    errno = 0;
    if (std::fflush(file) != 0) sink.fail(errno != 0 ? errno : EIO);
    errno = 0;
    if (std::fclose(file) != 0) sink.fail(errno != 0 ? errno : EIO);
    if (sink.error() != 0) {
        std::filesystem::remove(temporary, error);
        return failure(sink.error());
    }

    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return failure(error);
    }
    return {};
}

FileResult replaceFileBytes(const std::string& path, std::string_view bytes) {
    return replaceFile(path, [bytes](ByteSink& sink) { sink.write(bytes); });
}

}  // namespace stapelwerk
