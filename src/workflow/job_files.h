#pragma once

#include "cadconfig/model_locator.h"
#include "core/job.h"
#include "platform/result.h"

// The write of a job: doit.pro and its job record beside it.
namespace stapelwerk::workflow {

// What the write left: doit.pro written, or the message why not; and, once doit.pro is
// written, its record, or the message why not (doit.pro stays written then, and the record
// of the doit.pro before stays as it was).
struct JobWrite {
    Result<> doitPro;
    Result<> record;
};

// Writes the job's pending text, built for its confirmed entries, to doit.pro in its output
// directory, then the job record (job_record.h) beside it: the pending build's run id and
// inputs, each entry with the file the CAD system will open for it (as the check's look-up
// `located` found it, where one ran for these entries; else in the working directory alone),
// and the time doit.pro was stamped with by its file system, which later saves are compared
// with.
JobWrite writeJobFiles(const Job& job, const ModelLocations* located);

}  // namespace stapelwerk::workflow
