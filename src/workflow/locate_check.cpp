#include "workflow/locate_check.h"

#include <filesystem>
#include <map>
#include <utility>

#include "cadconfig/start_configs.h"
#include "core/texts.h"
#include "platform/os.h"
#include "platform/paths.h"

namespace stapelwerk::workflow {

namespace {
bool isWriteProtected(const std::string& path) {
    std::error_code error;
    const os::ResolvedPath resolved = os::resolveLinks(toPath(path), error);
    return !error && resolved.writeProtected;
}

// Whether the list's directory (relative ones taken against the working directory) is the
// place the CAD system opens from; each pair is looked at once.
class DirectoryComparison {
public:
    DirectoryComparison(const std::string& workingDirectory, const ModelLocations& located)
        : working_(toPath(workingDirectory)), located_(located) {}

    bool matches(const std::string& given, std::uint32_t place) {
        const auto key = std::make_pair(given, place);
        const auto known = answers_.find(key);
        if (known != answers_.end()) return known->second;
        const std::filesystem::path path = toPath(given);
        const bool same = sameDirectory(fromPath(path.is_absolute() ? path : working_ / path),
                                        located_.places[place]);
        answers_.emplace(key, same);
        return same;
    }

private:
    std::filesystem::path working_;
    const ModelLocations& located_;
    std::map<std::pair<std::string, std::uint32_t>, bool> answers_;
};

// The findings of the entries found, in the order of their kinds.
struct EntryFindings {
    Finding foundAgain{FindingKind::foundInSeveralPlaces, {}, {}, {}};
    Finding otherVersion{FindingKind::otherVersionOpened, {}, {}, {}};
    Finding otherDirectory{FindingKind::otherDirectoryOpened, {}, {}, {}};
    Finding writeProtected{FindingKind::writeProtected, {}, {}, {}};

    static void add(Finding& finding, std::size_t entry, std::string note) {
        finding.entries.push_back(entry);
        finding.notes.push_back(std::move(note));
    }
};

void addFoundAgain(const ModelLocations& located, Finding& finding) {
    for (std::size_t i = 0; i < located.foundAgain.size();) {
        const std::size_t entry = located.foundAgain[i].first;
        std::vector<std::string> alsoIn;
        for (; i < located.foundAgain.size() && located.foundAgain[i].first == entry; ++i) {
            alsoIn.push_back(located.places[located.foundAgain[i].second]);
        }
        EntryFindings::add(finding, entry, texts::noteFoundAgain(located.pathOf(entry), alsoIn));
    }
}

void putIn(Findings& findings, Finding finding) {
    if (!finding.entries.empty() || !finding.names.empty()) findings.push_back(std::move(finding));
}
}  // namespace

LocateJob locateJobOf(const Job& job, const std::string& programDirectory) {
    return {givenLocations(job.workList.entries(), job.confirmedEntries),
            job.pendingInputs().function, job.outputDirectory, programDirectory};
}

bool comesFromLocate(FindingKind kind) {
    return kind >= FindingKind::noEntryFound && kind <= FindingKind::locateStopped;
}

Findings locateFindings(const TextList& entries, const LocateJob& job,
                        const ModelLocations& located) {
    const FunctionRow& row = rowOf(job.function);
    Findings findings;
    if (!row.opensFiles) return findings;
    if (located.stopped) return {{FindingKind::locateStopped, {}, {}, {}}};

    Finding notRead{FindingKind::placesNotRead, {}, {}, {}};
    for (const PlaceNotRead& place : located.notRead) {
        notRead.names.push_back(texts::pathWithReason(place.path, place.reason));
    }
    Finding notFound{FindingKind::entryNotFound, {}, {}, {}};
    for (std::size_t entry = 0; entry < entries.size(); ++entry) {
        if (!located.found(entry)) notFound.entries.push_back(entry);
    }
    if (!entries.empty() && notFound.entries.size() == entries.size()) {
        // Thousands of lines would hide what they have in common: the files are elsewhere.
        putIn(findings, {FindingKind::noEntryFound, {}, {}, located.places});
        putIn(findings, std::move(notRead));
        return findings;
    }

    EntryFindings found;
    addFoundAgain(located, found.foundAgain);
    DirectoryComparison directories(job.outputDirectory, located);
    for (std::size_t entry = 0; entry < entries.size(); ++entry) {
        if (!located.found(entry)) continue;
        const std::string path = located.pathOf(entry);
        if (entry < job.given.size()) {
            const GivenLocation& given = job.given[entry];
            if (given.version && *given.version != located.versionOf(entry)) {
                EntryFindings::add(found.otherVersion, entry,
                                   texts::noteOtherVersion(*given.version, path));
            }
            if (!given.directory.empty() &&
                !directories.matches(given.directory, located.entries[entry].place)) {
                EntryFindings::add(found.otherDirectory, entry,
                                   texts::noteOtherDirectory(given.directory, path));
            }
        }
        if (row.savesFiles && isWriteProtected(path)) {
            EntryFindings::add(found.writeProtected, entry, texts::noteOpens(path));
        }
    }
    for (Finding* finding : {&notFound, &found.foundAgain, &found.otherVersion,
                             &found.otherDirectory, &found.writeProtected, &notRead}) {
        putIn(findings, std::move(*finding));
    }
    return findings;
}

std::string shownLocation(const TextList& entries, const LocateJob& job,
                          const ModelLocations& located, std::size_t entry) {
    return texts::entryLocation(
        entries[entry], located.found(entry) ? std::optional(located.pathOf(entry)) : std::nullopt,
        !rowOf(job.function).opensFiles);
}

LocateOutcome locateAndCheck(const TextList& entries, const LocateJob& job,
                             const LocateProgress& progress) {
    const SearchPath searchPath =
        readSearchPath(startConfigPaths(job.outputDirectory, job.programDirectory),
                       job.outputDirectory, os::environmentVariable);
    LocateOutcome outcome{locateModels(entries, job.outputDirectory, searchPath, progress), {}};
    outcome.findings = locateFindings(entries, job, outcome.locations);
    return outcome;
}

}  // namespace stapelwerk::workflow
