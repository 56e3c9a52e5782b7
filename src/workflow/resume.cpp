#include "workflow/resume.h"

#include <utility>

#include "core/texts.h"
#include "workflow/functions.h"

namespace stapelwerk::workflow {

Result<> buildRemainingJob(Job& job, const JobRecord& record, const RunResults& results) {
    const JobRecordHead& head = record.head();
    BuildInputs inputs{.function = head.function,
                       .chain = head.chain,
                       .parameterName = head.parameterName,
                       .journal = true};
    std::vector<std::string> entries;
    for (std::size_t e = 0; e < record.entryCount(); ++e) {
        if (results.results[e] == EntryResult::done) continue;
        entries.emplace_back(record.entry(e));
        if (rowOf(head.function).needs.values) inputs.values.emplace_back(record.value(e));
    }
    if (entries.empty()) {
        return refusal(texts::messageNothingToResume(record.entryCount(), head.runId));
    }
    // A refused build leaves the job as it was.
    std::vector<std::string> before = std::exchange(job.confirmedEntries, std::move(entries));
    Result<> built = buildPendingText(job, std::move(inputs));
    if (!built) job.confirmedEntries = std::move(before);
    return built;
}

}  // namespace stapelwerk::workflow
