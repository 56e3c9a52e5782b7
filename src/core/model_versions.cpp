#include "core/model_versions.h"

#include <algorithm>
#include <optional>

#include "core/model_version.h"
#include "platform/case_fold.h"
#include "platform/file_names.h"
#include "platform/utf8.h"

namespace stapelwerk {

namespace {
std::uint32_t keyOf(const std::string& folded) {
    return static_cast<std::uint32_t>(std::hash<std::string>()(folded));
}
}  // namespace

ModelVersion versionOf(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return {fileName, 0};
    const std::optional<std::uint32_t> number = versionNumber(fileName.substr(dot + 1));
    if (!number) return {fileName, 0};
    return {fileName.substr(0, dot), *number};
}

ModelIndex::ModelIndex(std::size_t count, std::function<std::string_view(std::size_t)> modelOf)
    : modelOf_(std::move(modelOf)) {
    keys_.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        keys_.emplace_back(keyOf(foldedCaseUtf8(modelOf_(k))), static_cast<std::uint32_t>(k));
    }
    std::sort(keys_.begin(), keys_.end());
}

void ModelIndex::forEachVersion(
    std::string_view fileName,
    const std::function<void(std::size_t, std::uint64_t)>& version) const {
    const ModelVersion found = versionOf(fileName);
    const std::string folded = foldedCaseUtf8(found.model);
    const std::uint32_t key = keyOf(folded);
    auto at = std::lower_bound(keys_.begin(), keys_.end(),
                               std::pair<std::uint32_t, std::uint32_t>{key, 0});
    for (; at != keys_.end() && at->first == key; ++at) {
        if (foldedCaseUtf8(modelOf_(at->second)) == folded) version(at->second, found.number);
    }
}

Result<> forEachModelVersion(
    const std::string& directory, const ModelIndex& index,
    const std::function<void(std::size_t, const std::string&, std::uint64_t)>& version) {
    return forEachFileName(directory, [&](const std::string& name) {
        if (!utf8::isValid(name)) return;
        index.forEachVersion(
            name, [&](std::size_t k, std::uint64_t number) { version(k, name, number); });
    });
}

}  // namespace stapelwerk
