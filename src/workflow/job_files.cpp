#include "workflow/job_files.h"

#include <chrono>

#include "core/function_table.h"
#include "core/job_record.h"
#include "core/texts.h"
#include "generate/doit_writer.h"
#include "platform/file_time.h"
#include "platform/text_file.h"
#include "workflow/located_files.h"

namespace stapelwerk::workflow {

JobWrite writeJobFiles(const Job& job, const ModelLocations* located) {
    JobWrite write;
    write.doitPro = writeDoitPro(job.outputDirectory, job.pendingText());
    if (!write.doitPro) return write;
    // Save-as opens nothing: only the working directory, where it saves, says what is there.
    const bool lookedUp = located != nullptr && !located->stopped &&
                          located->entries.size() == job.confirmedEntries.size() &&
                          rowOf(job.pendingInputs().function).opensFiles;
    const ModelLocations inWorkingDirectory =
        lookedUp ? ModelLocations{}
                 : locatedInWorkingDirectory(job.confirmedEntries, job.outputDirectory);
    const ModelLocations& locations = lookedUp ? *located : inWorkingDirectory;

    const BuildInputs& inputs = job.pendingInputs();
    // The file system's own time, which a share's server may set otherwise than this clock.
    const std::optional<FileTime> written = modificationTime(doitProPath(job.outputDirectory));
    const JobRecordHead head{
        .runId = inputs.runId,
        .written = written.value_or(std::chrono::time_point_cast<std::chrono::nanoseconds>(
            std::chrono::system_clock::now())),
        .function = inputs.function,
        .chain = inputs.chain,
        .parameterName = inputs.parameterName,
        .journal = inputs.journal};
    const std::string path = jobRecordPath(job.outputDirectory);
    const Result<> recorded = replaceFile(path, [&](ByteSink& sink) {
        writeJobRecord(sink, head, job.confirmedEntries, inputs.values,
                       [&locations](std::size_t entry) { return fileFound(locations, entry); });
    });
    if (!recorded) {
        write.record = worded(recorded.failure(),
                              texts::messageJobRecordNotWritten(path, texts::reasonOf(recorded)));
    }
    return write;
}

}  // namespace stapelwerk::workflow
