#include "workflow/run_watch.h"

#include "core/journal_format.h"
#include "core/texts.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace stapelwerk::workflow {

RunWatch::RunWatch(std::string directory, JobRecord record)
    : directory_(std::move(directory)),
      record_(std::move(record)),
      journal_(record_.head().runId, record_.entryCount()) {}

Result<RunWatch> RunWatch::open(const std::string& directory) {
    Result<JobRecord> record = readJobRecord(directory);
    if (!record) return record.failure();
    RunWatch watch(directory, std::move(*record));
    if (const Result<bool> read = watch.readJournal(); !read) return read.failure();
    return watch;
}

std::string RunWatch::journalPath() const {
    return joinFileName(directory_, std::string(journal::kFileName));
}

Result<bool> RunWatch::readJournal() {
    const std::string path = journalPath();
    const std::uint64_t before = journalRead_;
    const auto take = [this](std::string_view piece) { journal_.take(piece); };
    Result<std::uint64_t> end = readFileFrom(path, journalRead_, take);
    if (end && *end < before) {
        // Begun anew: what was read of it before is gone.
        journal_ = JournalProgress(record_.head().runId, record_.entryCount());
        end = readFileFrom(path, 0, take);
    }
    if (!end) {
        if (namesNothing(end.failure())) return false;
        return worded(end.failure(), texts::messageFileNotRead(path, texts::reasonOf(end)));
    }
    journalRead_ = *end;
    return *end != before;
}

RunResults RunWatch::results() const { return resultsOf(record_, directory_, journal_); }

std::vector<std::string> RunWatch::notes(const RunResults& results) const {
    std::vector<std::string> notes;
    if (!record_.head().journal) {
        notes.push_back(texts::reportJournalOff(record_.head().runId));
    } else if (!journal_.heard()) {
        notes.push_back(texts::reportJournalSilent(journalPath(), record_.head().runId));
    }
    notes.insert(notes.end(), results.directoriesNotRead.begin(), results.directoriesNotRead.end());
    return notes;
}

}  // namespace stapelwerk::workflow
