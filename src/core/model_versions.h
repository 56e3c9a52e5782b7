#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/result.h"

// The versions of models in a directory, as the CAD system stores them: every save writes
// "name.type.N" with the next N, and the newest version is the one that is opened.
namespace stapelwerk {

struct ModelVersion {
    std::string_view model;
    std::uint64_t number;
};

// "welle.prt.3" is version 3 of "welle.prt"; a name that ends in no number is version 0 of
// itself.
ModelVersion versionOf(std::string_view fileName);

// Which of many models a file name is a version of, letter case ignored as the CAD system
// ignores it (foldedCaseUtf8). It keeps a key a model, 16 bytes, and asks `modelOf(k)` for
// the name of model k where a key matches; the names must stay while the index is used.
class ModelIndex {
public:
    ModelIndex(std::size_t count, std::function<std::string_view(std::size_t)> modelOf);

    // Calls `version(k, number)` for every model k that `fileName` is version `number` of.
    void forEachVersion(std::string_view fileName,
                        const std::function<void(std::size_t, std::uint64_t)>& version) const;

private:
    std::function<std::string_view(std::size_t)> modelOf_;
    // Hash of the folded name and k, each in 32 bits: half the memory for the million entries
    // a run follows (their record keeps its rows in 32 bits too); the names are compared.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> keys_;
};

// Calls `version(k, fileName, number)` for every regular file of `directory` whose name
// (well-formed UTF-8) is version `number` of the index's model k. Fails when the directory
// cannot be read.
Result<> forEachModelVersion(
    const std::string& directory, const ModelIndex& index,
    const std::function<void(std::size_t, const std::string&, std::uint64_t)>& version);

}  // namespace stapelwerk
