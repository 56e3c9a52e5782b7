#include "cadconfig/model_locator.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "core/texts.h"
#include "platform/case_fold.h"
#include "platform/paths.h"

namespace stapelwerk {

namespace {
std::filesystem::path normalPath(const std::string& path) {
    std::filesystem::path normal = toPath(path).lexically_normal();
    if (!normal.has_filename() && normal != normal.root_path()) normal = normal.parent_path();
    return normal;
}

std::string absoluteDirectory(const std::string& directory) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(toPath(directory), error);
    return error ? directory : fromPath(absolute.lexically_normal());
}

// The working directory, then the search path, each directory once.
std::vector<std::string> placesOf(const std::string& workingDirectory,
                                  const SearchPath& searchPath) {
    std::vector<std::string> places = {absoluteDirectory(workingDirectory)};
    for (const std::string& directory : searchPath.directories) {
        if (std::none_of(places.begin(), places.end(), [&](const std::string& place) {
                return sameDirectory(place, directory);
            })) {
            places.push_back(directory);
        }
    }
    return places;
}
}  // namespace

std::size_t ModelLocations::foundCount() const {
    return static_cast<std::size_t>(std::count_if(
        entries.begin(), entries.end(),
        [](const ModelLocation& location) { return location.place != ModelLocation::kNowhere; }));
}

std::string ModelLocations::pathOf(std::size_t entry) const {
    const ModelLocation& location = entries[entry];
    return joinFileName(places[location.place],
                        directories[location.place].fileNameOf(location.file));
}

std::uint32_t ModelLocations::versionOf(std::size_t entry) const {
    const ModelLocation& location = entries[entry];
    return directories[location.place].versionOf(location.file);
}

bool sameDirectory(const std::string& first, const std::string& second) {
    // Where the names agree no system is asked: Windows' runtimes do not all tell one
    // directory's identity.
    if (normalPath(first) == normalPath(second)) return true;
    std::error_code error;
    return std::filesystem::equivalent(toPath(first), toPath(second), error) && !error;
}

ModelLocations locateModels(const TextList& names, const std::string& workingDirectory,
                            const SearchPath& searchPath, const LocateProgress& progress) {
    ModelLocations located;
    located.places = placesOf(workingDirectory, searchPath);
    located.notRead = searchPath.notRead;
    const std::size_t places = located.places.size();
    for (std::size_t place = 0; place < places && !located.stopped; ++place) {
        const auto keepGoing = [&] {
            located.stopped = located.stopped || !progress(place, places);
            return !located.stopped;
        };
        Result<ModelDirectory> directory = ModelDirectory::read(located.places[place], keepGoing);
        if (directory) {
            located.directories.push_back(std::move(*directory));
        } else {
            located.notRead.push_back({located.places[place], texts::reasonOf(directory)});
            located.directories.emplace_back();
        }
    }
    if (located.stopped) return located;

    located.entries.resize(names.size());
    if (places == 1) {
        // The working directory alone, as for each job record: each name is sought among its
        // files, which needs no sorted copy of a million names.
        const ModelDirectory& directory = located.directories[0];
        for (std::size_t entry = 0; entry < names.size() && directory.size() > 0; ++entry) {
            if (const auto file = directory.fileOf(foldedCaseUtf8(names[entry]))) {
                located.entries[entry] = {0, static_cast<std::uint32_t>(*file)};
            }
        }
        progress(places, places);
        return located;
    }
    // The names in order, walked beside each directory's files in order: one pass a
    // directory, however many names and files.
    std::vector<std::pair<std::string, std::size_t>> sorted;
    sorted.reserve(names.size());
    for (std::size_t entry = 0; entry < names.size(); ++entry) {
        sorted.emplace_back(foldedCaseUtf8(names[entry]), entry);
    }
    std::sort(sorted.begin(), sorted.end());
    for (std::uint32_t place = 0; place < places; ++place) {
        const ModelDirectory& directory = located.directories[place];
        auto name = sorted.begin();
        for (std::uint32_t file = 0; file < directory.size() && name != sorted.end();) {
            const int order = directory.foldedNameOf(file).compare(name->first);
            if (order < 0) {
                ++file;
            } else if (order > 0) {
                ++name;
            } else {
                // The file stays: two entries may be one name in different letter case.
                const std::size_t entry = (name++)->second;
                if (located.found(entry)) {
                    located.foundAgain.emplace_back(entry, place);
                } else {
                    located.entries[entry] = {place, file};
                }
            }
        }
    }
    std::sort(located.foundAgain.begin(), located.foundAgain.end());
    progress(places, places);
    return located;
}

}  // namespace stapelwerk
