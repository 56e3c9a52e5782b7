#pragma once

#include <string>

namespace stapelwerk {

// The outcome of a file operation; `reason` is the system's wording when it failed.
struct FileResult {
    bool ok = true;
    std::string reason;
};

struct FileContent {
    FileResult result;
    std::string bytes;
};

// The whole content of a file, as bytes.
FileContent readFileBytes(const std::string& path);

// Creates an empty file. Fails, with the reason, when anything is already
// there, so it never replaces a file.
FileResult createEmptyFile(const std::string& path);

// Replaces (or creates) the file with `bytes`. The bytes go to a new file beside
// it that is then renamed over the old one, so a failure at any step leaves the
// old file as it was.
FileResult replaceFileBytes(const std::string& path, const std::string& bytes);

}  // namespace stapelwerk
