#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/paths.h"

namespace stapelwerk::testing {

TempDir::TempDir() {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    std::filesystem::path candidate;
    // Names of one length: a run that shows its paths (the monkey's drive list) takes the
    // same room each time, and a seed replays the same clicks.
    do {
        const std::string number = std::to_string(random());
        candidate = base / ("stapelwerk-test-" + std::string(10 - number.size(), '0') + number);
    } while (!std::filesystem::create_directory(candidate));
    path_ = fromPath(candidate);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(toPath(path_), ignored);
}

std::string TempDir::file(const std::string& name) const {
    return fromPath((toPath(path_) / toPath(name)).make_preferred());
}

std::string TempDir::driveRoot() const { return fromPath(toPath(path_).root_path()); }

std::string readBytes(const std::string& path) {
    // In one read, not a character at a time: tests read files of megabytes.
    std::ifstream in(toPath(path), std::ios::binary | std::ios::ate);
    if (!in) return {};
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(toPath(path), std::ios::binary);
    out << bytes;
}

}  // namespace stapelwerk::testing
