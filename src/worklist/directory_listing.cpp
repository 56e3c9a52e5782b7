#include "worklist/directory_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/case_fold.h"
#include "platform/os.h"
#include "platform/paths.h"
#include "worklist/wildcard.h"

namespace stapelwerk {

namespace {
// The names of the visible entries of `directory` that are of the kind `ofKind` accepts and
// whose names `named` accepts, in order. The kind comes first: it needs no name made.
template <typename OfKind, typename Named>
std::vector<std::string> sortedNames(const std::string& directory, OfKind ofKind, Named named) {
    std::vector<std::pair<std::u32string, std::string>> found;  // sort key, name
    std::error_code error;
    std::filesystem::directory_iterator entry(toPath(directory), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code unknown;
        if (!ofKind(*entry, unknown) || os::isHidden(entry->path())) continue;
        std::string name = fromPath(entry->path().filename());
        if (!named(name)) continue;
        std::u32string key = foldedCase(name);
        found.emplace_back(std::move(key), std::move(name));
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    names.reserve(found.size());
    for (auto& [key, name] : found) names.push_back(std::move(name));
    return names;
}
}  // namespace

std::vector<std::string> listMatchingFiles(const std::string& directory, std::string_view pattern) {
    return sortedNames(
        directory,
        [](const std::filesystem::directory_entry& entry, std::error_code& error) {
            return entry.is_regular_file(error);
        },
        [pattern](const std::string& name) { return matchesWildcard(name, pattern); });
}

std::vector<std::string> listSubdirectories(const std::string& directory) {
    return sortedNames(
        directory,
        [](const std::filesystem::directory_entry& entry, std::error_code& error) {
            return entry.is_directory(error);
        },
        [](const std::string&) { return true; });
}

std::string normalDirectory(const std::string& path) {
    std::error_code error;
    std::filesystem::path normal = std::filesystem::absolute(toPath(path), error);
    if (error) normal = toPath(path);
    normal = normal.lexically_normal();
    normal.make_preferred();
    if (!normal.has_filename() && normal != normal.root_path()) normal = normal.parent_path();
    return fromPath(normal);
}

std::vector<DirectoryLevel> directoryChain(const std::string& directory) {
    const std::filesystem::path path = toPath(directory);
    std::filesystem::path level = path.root_path();
    std::vector<DirectoryLevel> chain;
    if (!level.empty()) chain.push_back({fromPath(level), fromPath(level)});
    for (const std::filesystem::path& part : path.relative_path()) {
        if (part.empty()) continue;
        level /= part;
        chain.push_back({fromPath(part), fromPath(level)});
    }
    return chain;
}

}  // namespace stapelwerk
