#include "cadconfig/model_directory.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <optional>

#include "core/model_version.h"
#include "platform/case_fold.h"
#include "platform/paths.h"

namespace stapelwerk {

namespace {
// The name as the CAD system writes it: the name in small letters, a dot and the version.
bool isCanonical(std::string_view fileName, std::string_view folded, std::uint32_t version) {
    if (version == kNoVersion) return fileName == folded;
    const std::string number = std::to_string(version);
    return fileName.size() == folded.size() + 1 + number.size() && fileName.starts_with(folded) &&
           fileName[folded.size()] == '.' && fileName.ends_with(number);
}
}  // namespace

VersionedName splitVersion(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    const std::optional<std::uint32_t> version =
        dot == std::string_view::npos ? std::nullopt : versionNumber(fileName.substr(dot + 1));
    if (!version) return {fileName, kNoVersion};
    return {fileName.substr(0, dot), *version};
}

Result<ModelDirectory> ModelDirectory::read(const std::string& directory,
                                            const KeepGoing& keepGoing) {
    ModelDirectory index;
    std::error_code error;
    std::filesystem::directory_iterator entry(toPath(directory), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        if (!keepGoing()) break;
        std::error_code typeError;
        if (entry->is_regular_file(typeError)) index.add(fromPath(entry->path().filename()));
    }
    if (error) return systemFailure(error);
    index.keepNewest();
    return index;
}

void ModelDirectory::add(std::string_view fileName) {
    const VersionedName split = splitVersion(fileName);
    const std::string folded = foldedCaseUtf8(split.name);
    const bool canonical = isCanonical(fileName, folded, split.version);
    const std::size_t stored = canonical ? 0 : fileName.size();
    constexpr std::size_t kMostLength = std::numeric_limits<std::uint16_t>::max();
    // No file system gives such names, nor so many of them.
    if (folded.size() > kMostLength || stored > kMostLength ||
        names_.size() + folded.size() + stored > std::numeric_limits<std::uint32_t>::max()) {
        return;
    }
    files_.push_back({static_cast<std::uint32_t>(names_.size()),
                      static_cast<std::uint16_t>(folded.size()), static_cast<std::uint16_t>(stored),
                      split.version});
    names_ += folded;
    if (!canonical) names_ += fileName;
}

void ModelDirectory::keepNewest() {
    std::sort(files_.begin(), files_.end(), [this](const File& a, const File& b) {
        const int order = foldedNameOf(a).compare(foldedNameOf(b));
        return order != 0 ? order < 0 : a.version > b.version;
    });
    files_.erase(std::unique(files_.begin(), files_.end(),
                             [this](const File& a, const File& b) {
                                 return foldedNameOf(a) == foldedNameOf(b);
                             }),
                 files_.end());
    files_.shrink_to_fit();
    names_.shrink_to_fit();
}

std::optional<std::size_t> ModelDirectory::fileOf(std::string_view foldedName) const {
    const auto file = std::lower_bound(
        files_.begin(), files_.end(), foldedName,
        [this](const File& each, std::string_view name) { return foldedNameOf(each) < name; });
    if (file == files_.end() || foldedNameOf(*file) != foldedName) return std::nullopt;
    return static_cast<std::size_t>(file - files_.begin());
}

std::string ModelDirectory::fileNameOf(std::size_t file) const {
    const File& found = files_[file];
    if (found.storedLength != 0) {
        return names_.substr(found.offset + found.foldedLength, found.storedLength);
    }
    std::string name(foldedNameOf(found));
    if (found.version != kNoVersion) name.append(".").append(std::to_string(found.version));
    return name;
}

std::size_t ModelDirectory::memoryBytes() const {
    return names_.capacity() + files_.capacity() * sizeof(File);
}

}  // namespace stapelwerk
