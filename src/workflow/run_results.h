#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/job_record.h"
#include "core/journal_progress.h"

// What each entry of a run came to, told from its job record, its journal and the files on
// disk; written once for report, resume and the window.
namespace stapelwerk::workflow {

enum class EntryResult : std::uint8_t {
    // Its journal line is there and, where the function saves, a version of its model that
    // is not older than the write of doit.pro and newer than the one found then (where none
    // was found and the function opens the file: newer than another version there, the one
    // that was opened).
    done,
    // The journal passed it, or without a journal: no such version is there.
    noNewVersion,
    // The first entry after the furthest one the run passed, while the run has not ended.
    stoppedHere,
    // The entries after that one.
    notReached,
    // The function saves nothing and the journal does not tell, or the directory could not
    // be looked through.
    unknown,
};
inline constexpr std::size_t kEntryResultCount = 5;

// The result's German name.
std::string_view resultName(EntryResult result);

struct RunResults {
    // One for each entry of the record, in its order.
    std::vector<EntryResult> results;
    std::array<std::size_t, kEntryResultCount> counts{};
    // The directories that could not be looked through, each a message.
    std::vector<std::string> directoriesNotRead;

    std::size_t count(EntryResult result) const { return counts[static_cast<std::size_t>(result)]; }
    bool allDone() const { return count(EntryResult::done) == results.size(); }
    std::size_t notDone() const { return results.size() - count(EntryResult::done); }
};

// The results of the entries of `record`, written to `workingDirectory`, from what `journal`
// has read so far and, for a function that saves, the versions of the models there now:
// a later line of an entry counts, and where the journal holds no line of the run the files
// alone tell. A million entries cost a byte each, and for a function that saves 32 bytes
// more while the directories are looked through.
RunResults resultsOf(const JobRecord& record, const std::string& workingDirectory,
                     const JournalProgress& journal);

// "Lauf 7GQ2KX9M: 16 von 300 Einträgen erledigt; 1 hier angehalten, 283 nicht erreicht."
std::string resultSummary(const JobRecord& record, const RunResults& results);

}  // namespace stapelwerk::workflow
