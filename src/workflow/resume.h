#pragma once

#include "core/job.h"
#include "core/job_record.h"
#include "platform/result.h"
#include "workflow/run_results.h"

namespace stapelwerk::workflow {

// Makes `job` the job of the entries of `record` that `results` does not count as done, in
// their order, with the record's function and inputs (each value stays with its entry) and
// the journal on, and builds its pending text (buildPendingText); the job's work list and
// output directory stay. Refused, with the message and the job as it was, when every entry
// is done or the build refuses.
Result<> buildRemainingJob(Job& job, const JobRecord& record, const RunResults& results);

}  // namespace stapelwerk::workflow
