#include "workflow/recorded_job.h"

#include <chrono>
#include <filesystem>
#include <utility>

#include "core/run_id.h"
#include "core/texts.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "workflow/functions.h"
#include "workflow/located_files.h"

namespace stapelwerk::workflow {

Result<> buildRecordedEntries(Job& job, const JobRecord& record, const std::vector<bool>& taken,
                              bool journal) {
    const JobRecordHead& head = record.head();
    BuildInputs inputs{.function = head.function,
                       .chain = head.chain,
                       .parameterName = head.parameterName,
                       .journal = journal};
    TextList entries;
    for (std::size_t e = 0; e < record.entryCount(); ++e) {
        if (!taken.empty() && !taken[e]) continue;
        entries.append(record.entry(e));
        if (rowOf(head.function).needs.values) inputs.values.emplace_back(record.value(e));
    }
    TextList before = std::exchange(job.confirmedEntries, std::move(entries));
    Result<> built = buildPendingText(job, std::move(inputs));
    if (!built) job.confirmedEntries = std::move(before);
    return built;
}

std::string recordDirectory(const std::string& path) {
    const std::filesystem::path directory = toPath(path).parent_path();
    return directory.empty() ? std::string(".") : fromPath(directory);
}

std::string recordedOutputDirectory(const JobRecord& record, const std::string& path) {
    return record.kept() ? record.kept()->outputDirectory : recordDirectory(path);
}

Result<Job> recordedJob(const JobRecord& record, std::string outputDirectory) {
    Job job;
    job.outputDirectory = std::move(outputDirectory);
    if (record.kept()) {
        job.workList.assign(record.kept()->workList);
    } else {
        for (std::size_t e = 0; e < record.entryCount(); ++e) {
            job.workList.append(std::string(record.entry(e)), true);
        }
    }
    if (!record.head().built) return job;
    if (Result<> built = buildRecordedEntries(job, record, {}, record.head().journal); !built) {
        return built.failure();
    }
    return job;
}

Result<> saveJob(const Job& job, const std::string& path) {
    const bool built = !job.pendingText().empty();
    const BuildInputs& inputs = job.pendingInputs();
    const JobRecordHead head{.runId = built ? inputs.runId : newRunId(),
                             .written = std::chrono::time_point_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now()),
                             .function = inputs.function,
                             .chain = inputs.chain,
                             .parameterName = inputs.parameterName,
                             .journal = built && inputs.journal,
                             .built = built};
    const KeptWork kept{job.outputDirectory, job.workList.entries()};
    const ModelLocations located =
        built ? locatedInWorkingDirectory(job.confirmedEntries, job.outputDirectory)
              : ModelLocations{};
    const Result<> saved = replaceFile(path, [&](ByteSink& sink) {
        writeJobRecord(
            sink, head, job.confirmedEntries, inputs.values,
            [&located](std::size_t entry) { return fileFound(located, entry); }, &kept);
    });
    if (saved) return {};
    return worded(saved.failure(), texts::messageJobNotSaved(path, texts::reasonOf(saved)));
}

}  // namespace stapelwerk::workflow
