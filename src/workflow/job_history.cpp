#include "workflow/job_history.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <system_error>

#include "core/job_record.h"
#include "core/texts.h"
#include "generate/doit_writer.h"
#include "platform/cp1252.h"
#include "platform/file_names.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "workflow/recorded_job.h"

namespace stapelwerk::workflow {

namespace {
constexpr std::string_view kDoitSuffix = ".pro";
constexpr std::string_view kRecordSuffix = ".stapel";
// A doit.pro of a million entries is some hundreds of megabytes.
constexpr std::size_t kMostDoitBytes = 16 * kMostInputBytes;

std::string stemOf(long long stamp, const std::string& runId) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%020lld", stamp);
    return std::string(digits) + "-" + runId;
}

// The time at the start of a stem; 0 where there is none.
long long stampOf(const std::string& stem) {
    long long stamp = 0;
    std::from_chars(stem.data(), stem.data() + stem.size(), stamp);
    return stamp;
}

// The stems of the records in `folder`, oldest first.
std::vector<std::string> keptStems(const std::string& folder) {
    std::vector<std::string> stems;
    (void)forEachFileName(folder, [&stems](const std::string& name) {
        if (name.ends_with(kRecordSuffix))
            stems.push_back(name.substr(0, name.size() - kRecordSuffix.size()));
    });
    std::sort(stems.begin(), stems.end());
    return stems;
}

std::string keptPath(const std::string& folder, const std::string& stem, std::string_view suffix) {
    return joinFileName(folder, stem + std::string(suffix));
}
}  // namespace

std::string jobHistoryDirectory(const std::string& dataDirectory) {
    return joinFileName(dataDirectory, std::string(kJobHistoryFolder));
}

Result<> keepInJobHistory(const std::string& dataDirectory, const std::string& outputDirectory,
                          std::string_view doittext) {
    if (dataDirectory.empty()) return {};
    const std::string folder = jobHistoryDirectory(dataDirectory);
    const auto failed = [&folder](const Failure& failure) {
        return worded(failure, texts::messageJobHistoryNotKept(folder, texts::reasonOf(failure)));
    };
    const Result<std::string> record =
        readFileBytes(jobRecordPath(outputDirectory), kMostJobRecordBytes);
    if (!record) return failed(record.failure());
    const Result<JobRecord> read = parseJobRecord(*record, jobRecordPath(outputDirectory));
    if (!read) return failed(read.failure());

    std::error_code error;
    std::filesystem::create_directories(toPath(folder), error);
    if (error) return failed(systemFailure(error));
    // The write's time orders the history; where the file system's clock is coarse (Windows),
    // two writes may share a time, and the later must still come after.
    const std::vector<std::string> before = keptStems(folder);
    long long stamp = static_cast<long long>(read->head().written.time_since_epoch().count());
    if (!before.empty()) stamp = std::max(stamp, stampOf(before.back()) + 1);
    const std::string stem = stemOf(stamp, read->head().runId);
    // The record last: a pair without it is no write of the history.
    const auto writeDoit = [doittext](ByteSink& sink) { writeDoitBytes(sink, doittext); };
    if (Result<> kept = replaceFile(keptPath(folder, stem, kDoitSuffix), writeDoit); !kept) {
        return failed(kept.failure());
    }
    if (Result<> kept = replaceFileBytes(keptPath(folder, stem, kRecordSuffix), *record); !kept) {
        return failed(kept.failure());
    }
    std::vector<std::string> stems = keptStems(folder);
    const std::size_t dropped = stems.size() > kMostKeptJobs ? stems.size() - kMostKeptJobs : 0;
    for (std::size_t i = 0; i < dropped; ++i) {
        // The record first, as it came last.
        std::filesystem::remove(toPath(keptPath(folder, stems[i], kRecordSuffix)), error);
        std::filesystem::remove(toPath(keptPath(folder, stems[i], kDoitSuffix)), error);
    }
    return {};
}

std::vector<KeptJob> jobHistory(const std::string& dataDirectory) {
    std::vector<KeptJob> kept;
    if (dataDirectory.empty()) return kept;
    const std::string folder = jobHistoryDirectory(dataDirectory);
    const std::vector<std::string> stems = keptStems(folder);
    // Newest first.
    for (std::size_t i = stems.size(); i-- > 0;) {
        KeptJob job{keptPath(folder, stems[i], kDoitSuffix),
                    keptPath(folder, stems[i], kRecordSuffix)};
        const Result<JobRecord> record = readJobRecordFile(job.record);
        std::error_code error;
        if (!record || !std::filesystem::is_regular_file(toPath(job.doitPro), error)) continue;
        job.written = record->head().written;
        job.function = record->head().function;
        job.entryCount = record->entryCount();
        kept.push_back(std::move(job));
    }
    return kept;
}

Result<Job> keptJobToView(const KeptJob& kept) {
    const Result<JobRecord> record = readJobRecordFile(kept.record);
    if (!record) return record.failure();
    const Result<std::string> bytes = readFileBytes(kept.doitPro, kMostDoitBytes);
    if (!bytes) {
        return worded(bytes.failure(),
                      texts::messageFileNotRead(kept.doitPro, texts::reasonOf(bytes)));
    }
    std::string text = cp1252::decode(*bytes);
    if (text.ends_with("\r\n")) text.resize(text.size() - 2);
    const JobRecordHead& head = record->head();
    BuildInputs inputs{.function = head.function,
                       .chain = head.chain,
                       .parameterName = head.parameterName,
                       .journal = head.journal,
                       .runId = head.runId};
    Job job;
    job.outputDirectory = recordDirectory(kept.record);
    for (std::size_t e = 0; e < record->entryCount(); ++e) {
        job.confirmedEntries.append(record->entry(e));
        inputs.values.emplace_back(record->value(e));
    }
    if (Result<> shown = job.acceptBuild(std::move(text), std::move(inputs)); !shown) {
        return shown.failure();
    }
    return job;
}

}  // namespace stapelwerk::workflow
