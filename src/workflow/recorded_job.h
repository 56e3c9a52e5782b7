#pragma once

#include <string>
#include <vector>

#include "core/job.h"
#include "core/job_record.h"
#include "platform/result.h"

// A job from its record, and the present job kept as a record: what resume, the command
// line's run and the window's opening and saving share.
namespace stapelwerk::workflow {

// Makes `job` the job of the entries of `record` that `taken` picks (each one where `taken`
// is empty), in their order, with the record's function and inputs (each value stays with its
// entry) and the journal as `journal` says, and builds its pending text (buildPendingText);
// the job's work list and output directory stay. A refused build leaves the job as it was.
Result<> buildRecordedEntries(Job& job, const JobRecord& record, const std::vector<bool>& taken,
                              bool journal);

// The directory the record file `path` lies in.
std::string recordDirectory(const std::string& path);

// Where the job of the record in the file `path` is written: the output directory a saved job
// keeps, else the record's own directory.
std::string recordedOutputDirectory(const JobRecord& record, const std::string& path);

// The job `record` holds, to be written to `outputDirectory`: its work list (the kept one with
// its marks, else its entries, all marked) and, where it was built, its entries built again
// as they were (with a new run id). Refused, with the message, when the build refuses.
Result<Job> recordedJob(const JobRecord& record, std::string outputDirectory);

// Keeps `job` as a record (format 2) in the file `path`: its work list with the marks and
// its output directory, and, where text is pending, the build with its entries. Refused,
// with the message, when the file cannot be written; the file before then stays.
Result<> saveJob(const Job& job, const std::string& path);

}  // namespace stapelwerk::workflow
