#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/job_record.h"
#include "core/journal_progress.h"
#include "platform/result.h"
#include "workflow/run_results.h"

namespace stapelwerk::workflow {

// The run of the doit.pro last written to a directory, followed through its job record and
// its journal: what report tells, and what the window shows while doit runs. The journal is
// read as it grows, each byte once; the results look at the files whenever they are asked.
class RunWatch {
public:
    // The run of the doit.pro in `directory`: its record read (refused, with the message, as
    // readJobRecord refuses) and its journal as far as it is written (readJournal).
    static Result<RunWatch> open(const std::string& directory);

    const std::string& directory() const { return directory_; }
    const JobRecord& record() const { return record_; }
    // What the journal has told so far: the entries passed, the latest one, whether the run
    // ended (JournalProgress).
    const JournalProgress& journal() const { return journal_; }
    std::string journalPath() const;

    // Reads what the journal gained since it was last read; true when it gained anything. A
    // journal that is not there (yet) is an empty one; one that was begun anew is read from
    // its start. Refused, with the message, when it cannot be read.
    Result<bool> readJournal();

    // Each entry's result, from the journal read so far and the files as they are now.
    RunResults results() const;

    // What the results stand on besides the journal, for the user: that the run writes no
    // journal, or that its journal holds no line of it yet; the directories not looked
    // through.
    std::vector<std::string> notes(const RunResults& results) const;

private:
    RunWatch(std::string directory, JobRecord record);

    std::string directory_;
    JobRecord record_;
    JournalProgress journal_;
    std::uint64_t journalRead_ = 0;
};

}  // namespace stapelwerk::workflow
