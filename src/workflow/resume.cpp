#include "workflow/resume.h"

#include <vector>

#include "core/texts.h"
#include "workflow/recorded_job.h"

namespace stapelwerk::workflow {

Result<> buildRemainingJob(Job& job, const JobRecord& record, const RunResults& results) {
    if (results.allDone()) {
        return refusal(texts::messageNothingToResume(record.entryCount(), record.head().runId));
    }
    std::vector<bool> left(record.entryCount());
    for (std::size_t e = 0; e < left.size(); ++e) {
        left[e] = results.results[e] != EntryResult::done;
    }
    return buildRecordedEntries(job, record, left, true);
}

}  // namespace stapelwerk::workflow
