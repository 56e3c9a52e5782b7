#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

// The files of one directory as the CAD system looks for a model among them: by name in any
// letter case, and of a name only its newest version.
namespace stapelwerk {

// The number after a model file's type extension (welle.prt.12); a file without one has
// kNoVersion and counts as the oldest.
inline constexpr std::uint32_t kNoVersion = 0;

struct VersionedName {
    std::string_view name;  // without the version
    std::uint32_t version;
};

// "welle.prt.12" is welle.prt in version 12. A name whose last dotted part is no number of at
// most nine digits has no version and stays whole.
VersionedName splitVersion(std::string_view fileName);

// An index of one directory's files, read once: for each name (in small letters, without
// version) its newest version and the file's name as it stands. It takes about the bytes of
// the names and twelve more a name.
class ModelDirectory {
public:
    // Asked before each file read: false stops the reading.
    using KeepGoing = std::function<bool()>;

    // The regular files of `directory`, links followed. A directory that cannot be read fails
    // with the system's error; a stop keeps what was read.
    static Result<ModelDirectory> read(const std::string& directory, const KeepGoing& keepGoing);

    // The files, one a name (its newest version), in the order of their names in small
    // letters without version (foldedCaseUtf8), from 0 to size().
    std::string_view foldedNameOf(std::size_t file) const { return foldedNameOf(files_[file]); }
    std::uint32_t versionOf(std::size_t file) const { return files_[file].version; }
    // The file of a name in small letters without version, if the directory holds it.
    std::optional<std::size_t> fileOf(std::string_view foldedName) const;
    // As it stands in the directory, letter case and version included.
    std::string fileNameOf(std::size_t file) const;

    // How many names it holds, and the bytes it takes.
    std::size_t size() const { return files_.size(); }
    std::size_t memoryBytes() const;

private:
    struct File {
        std::uint32_t offset;        // of the folded name in names_
        std::uint16_t foldedLength;  // without version
        std::uint16_t storedLength;  // of the name as it stands, kept after the folded one;
                                     // 0 where that is the folded name and its version
        std::uint32_t version;
    };

    std::string_view foldedNameOf(const File& file) const {
        return std::string_view(names_).substr(file.offset, file.foldedLength);
    }
    void add(std::string_view fileName);
    void keepNewest();

    std::string names_;
    std::vector<File> files_;
};

}  // namespace stapelwerk
