#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "cadconfig/model_directory.h"
#include "cadconfig/search_path.h"
#include "core/text_list.h"

// Which file the CAD system opens for each name of a list, by its rules: a name without a
// directory in the working directory first, then along the search path in order, in any
// letter case; in a directory the newest version, of several directories the first, however
// new the others are. Models in its session or a PDM workspace are beyond sight.
namespace stapelwerk {

// Asked while the look-up reads: how many of the places are read, and whether to go on.
using LocateProgress = std::function<bool(std::size_t placesRead, std::size_t places)>;

struct ModelLocation {
    static constexpr std::uint32_t kNowhere = std::numeric_limits<std::uint32_t>::max();
    std::uint32_t place = kNowhere;  // where the CAD system opens it
    std::uint32_t file = 0;          // the file there, in that place's directory
};

struct ModelLocations {
    // Looked in, in order: the working directory, then the search path; none twice.
    std::vector<std::string> places;
    std::vector<ModelDirectory> directories;  // of each place; empty where it was not read
    std::vector<PlaceNotRead> notRead;
    std::vector<ModelLocation> entries;  // of each name, by position
    // The names found in more than one place, each with a place after the first, in the
    // order of the names and places.
    std::vector<std::pair<std::size_t, std::uint32_t>> foundAgain;
    // The look-up was stopped before it had read every place; `entries` is then empty.
    bool stopped = false;

    bool found(std::size_t entry) const { return entries[entry].place != ModelLocation::kNowhere; }
    std::size_t foundCount() const;
    // Of a name found: the file the CAD system opens, its version, its place.
    std::string pathOf(std::size_t entry) const;
    std::uint32_t versionOf(std::size_t entry) const;
    const std::string& placeOf(std::size_t entry) const { return places[entries[entry].place]; }
};

// Whether two paths name one directory: the same directory on the disk, or, where either is
// not there, the same text once "." and ".." are resolved.
bool sameDirectory(const std::string& first, const std::string& second);

// Where the CAD system finds each of `names` (a model file's name with its type extension and
// without directory or version), reading each place once however many names ask.
ModelLocations locateModels(const TextList& names, const std::string& workingDirectory,
                            const SearchPath& searchPath, const LocateProgress& progress);

}  // namespace stapelwerk
