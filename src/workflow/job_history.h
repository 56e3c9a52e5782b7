#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/function_table.h"
#include "core/job.h"
#include "platform/file_time.h"
#include "platform/result.h"

// The last jobs written, kept in the user's data directory: a folder with a file pair for
// each write, its doit.pro and its job record, named by when doit.pro was written and the
// run's id ("<nanoseconds since 1970, 20 digits>-<run id>.pro" and ".stapel"), so that the
// names sort as the writes came.
namespace stapelwerk::workflow {

inline constexpr std::string_view kJobHistoryFolder = "Letzte Auftraege";
inline constexpr std::size_t kMostKeptJobs = 20;

// One write in the history.
struct KeptJob {
    std::string doitPro;
    std::string record;
    FileTime written = {};
    DoitFunction function = DoitFunction::saveAs;
    std::size_t entryCount = 0;
};

std::string jobHistoryDirectory(const std::string& dataDirectory);

// Keeps the doit.pro just written in `outputDirectory` from `doittext`, the pending text it
// was written from (not read back: it may be hundreds of megabytes), and the job record
// beside it as the newest write of the history, and drops the oldest past kMostKeptJobs.
// Where the system names no data directory (an empty one), nothing is kept; a failure comes
// with its message.
Result<> keepInJobHistory(const std::string& dataDirectory, const std::string& outputDirectory,
                          std::string_view doittext);

// The writes of the history, newest first; one whose record cannot be read, or whose
// doit.pro is gone, is left out.
std::vector<KeptJob> jobHistory(const std::string& dataDirectory);

// The kept write as a job to look at: its entries and inputs as the record has them, and its
// doit.pro as the pending text. Refused, with the message, when either cannot be read.
Result<Job> keptJobToView(const KeptJob& kept);

}  // namespace stapelwerk::workflow
