#include "workflow/run_results.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

#include "core/model_versions.h"
#include "core/texts.h"
#include "platform/file_time.h"
#include "platform/os.h"
#include "platform/paths.h"

namespace stapelwerk::workflow {

namespace {
enum class Evidence : std::uint8_t { noNewVersion, newVersion, notLooked };

bool isBareName(std::string_view path) {
    return path.find_first_of(os::kPathSeparators) == std::string_view::npos;
}

std::string_view fileNameOf(std::string_view path) {
    const std::size_t separator = path.find_last_of(os::kPathSeparators);
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// Where a new version of an entry's model is looked for: beside the file found, which is in
// the working directory where it is named alone; save-as creates its model in the working
// directory.
std::string directoryOf(std::string_view found, const std::string& workingDirectory) {
    const std::filesystem::path path = toPath(std::string(found));
    if (path.is_absolute()) return fromPath(path.parent_path());
    return fromPath(toPath(workingDirectory) / path.parent_path());
}

class VersionSearch {
public:
    VersionSearch(const JobRecord& record, const std::string& workingDirectory)
        : record_(record),
          workingDirectory_(workingDirectory),
          saveAs_(record.head().function == DoitFunction::saveAs),
          evidence_(record.entryCount(), Evidence::noNewVersion) {}

    // One look through each directory concerned.
    std::vector<Evidence> run(std::vector<std::string>& notRead) {
        const auto elsewhere = [this](std::size_t e) {
            return !saveAs_ && !isBareName(record_.fileFound(e));
        };
        bool allInWorkingDirectory = true;
        for (std::size_t e = 0; e < record_.entryCount() && allInWorkingDirectory; ++e) {
            allInWorkingDirectory = !elsewhere(e);
        }
        if (allInWorkingDirectory) {
            // As a rule: then no list of the entries is kept.
            look(
                workingDirectory_, record_.entryCount(), [](std::size_t k) { return k; }, notRead);
            return std::move(evidence_);
        }
        std::map<std::string, std::vector<std::size_t>> byDirectory;
        for (std::size_t e = 0; e < record_.entryCount(); ++e) {
            byDirectory[elsewhere(e) ? directoryOf(record_.fileFound(e), workingDirectory_)
                                     : workingDirectory_]
                .push_back(e);
        }
        for (const auto& group : byDirectory) {
            const std::vector<std::size_t>& entries = group.second;
            look(
                group.first, entries.size(), [&entries](std::size_t k) { return entries[k]; },
                notRead);
        }
        return std::move(evidence_);
    }

private:
    // Looks through `directory` for new versions of `count` entries, the k-th of which is
    // entry entryOf(k).
    void look(const std::string& directory, std::size_t count,
              const std::function<std::size_t(std::size_t)>& entryOf,
              std::vector<std::string>& notRead) {
        const ModelIndex index(count, [&](std::size_t k) { return record_.entry(entryOf(k)); });
        const Result<> looked = forEachModelVersion(
            directory, index,
            [&](std::size_t k, const std::string& fileName, std::uint64_t number) {
                consider(entryOf(k), joinFileName(directory, fileName), number);
            });
        if (!looked) {
            notRead.push_back(texts::reportDirectoryNotRead(directory, texts::reasonOf(looked)));
            for (std::size_t k = 0; k < count; ++k) evidence_[entryOf(k)] = Evidence::notLooked;
        }
        for (const auto& [e, versions] : unfound_) {
            // The file that was opened is a version too, below the one saved: a file that
            // was missing at the write and is only put there since is no save.
            const bool saved = versions.newestSaved && *versions.newestSaved > versions.lowest;
            if (saved && evidence_[e] == Evidence::noNewVersion)
                evidence_[e] = Evidence::newVersion;
        }
        unfound_.clear();
    }

    void consider(std::size_t e, const std::string& path, std::uint64_t number) {
        if (evidence_[e] == Evidence::newVersion) return;
        const std::string_view found = record_.fileFound(e);
        // A file found in another directory than the one looked through tells no number.
        if (!found.empty() && (!saveAs_ || isBareName(found))) {
            if (number > versionOf(fileNameOf(found)).number && savedSinceWrite(path)) {
                evidence_[e] = Evidence::newVersion;
            }
            return;
        }
        // Save-as creates its model: any version since the write is its.
        if (saveAs_) {
            if (savedSinceWrite(path)) evidence_[e] = Evidence::newVersion;
            return;
        }
        Versions& versions = unfound_[e];
        versions.lowest = std::min(versions.lowest, number);
        if ((!versions.newestSaved || number > *versions.newestSaved) && savedSinceWrite(path)) {
            versions.newestSaved = number;
        }
    }

    bool savedSinceWrite(const std::string& path) const {
        const std::optional<FileTime> saved = modificationTime(path);
        return saved && *saved >= record_.head().written;
    }

    // Of an entry whose file was not found at the write and is to be opened: the lowest
    // version there, and the newest one saved since the write.
    struct Versions {
        std::uint64_t lowest = UINT64_MAX;
        std::optional<std::uint64_t> newestSaved;
    };

    const JobRecord& record_;
    const std::string& workingDirectory_;
    bool saveAs_;
    std::vector<Evidence> evidence_;
    std::map<std::size_t, Versions> unfound_;
};

EntryResult fromFiles(bool saves, Evidence evidence) {
    if (!saves || evidence == Evidence::notLooked) return EntryResult::unknown;
    return evidence == Evidence::newVersion ? EntryResult::done : EntryResult::noNewVersion;
}
}  // namespace

std::string_view resultName(EntryResult result) {
    switch (result) {
        case EntryResult::done:
            return texts::kResultDone;
        case EntryResult::noNewVersion:
            return texts::kResultNoNewVersion;
        case EntryResult::stoppedHere:
            return texts::kResultStoppedHere;
        case EntryResult::notReached:
            return texts::kResultNotReached;
        case EntryResult::unknown:
            break;
    }
    return texts::kResultUnknown;
}

RunResults resultsOf(const JobRecord& record, const std::string& workingDirectory,
                     const JournalProgress& journal) {
    const bool saves = rowOf(record.head().function).savesNewVersion;
    RunResults run;
    const std::vector<Evidence> evidence =
        saves ? VersionSearch(record, workingDirectory).run(run.directoriesNotRead)
              : std::vector<Evidence>();
    const bool running = journal.heard() && !journal.ended();
    bool stopSeen = false;
    run.results.reserve(record.entryCount());
    for (std::size_t e = 0; e < record.entryCount(); ++e) {
        const EntryResult byFiles = fromFiles(saves, saves ? evidence[e] : Evidence::notLooked);
        EntryResult result = byFiles;
        if (journal.heard() && journal.passed(e)) {
            result = saves ? byFiles : EntryResult::done;
        } else if (running && e >= journal.reached() && byFiles != EntryResult::done) {
            // A version saved before a crash took its line is done all the same.
            result = stopSeen ? EntryResult::notReached : EntryResult::stoppedHere;
            stopSeen = true;
        }
        run.results.push_back(result);
        ++run.counts[static_cast<std::size_t>(result)];
    }
    return run;
}

std::string resultSummary(const JobRecord& record, const RunResults& results) {
    std::vector<texts::ResultCount> others;
    for (std::size_t r = 1; r < kEntryResultCount; ++r) {
        const auto result = static_cast<EntryResult>(r);
        if (results.count(result) > 0)
            others.push_back({resultName(result), results.count(result)});
    }
    return texts::reportSummary(record.head().runId, results.count(EntryResult::done),
                                results.results.size(), others);
}

}  // namespace stapelwerk::workflow
