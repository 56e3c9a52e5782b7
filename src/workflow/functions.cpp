#include "workflow/functions.h"

#include "core/run_id.h"
#include "generate/doit_builder.h"
#include "generate/mapkey_chain.h"
#include "params/parameter_tails.h"
#include "platform/utf8.h"

namespace stapelwerk::workflow {

namespace {
Result<> openAndApply(Job& job, const BuiltText& tail, BuildInputs inputs,
                      const JournalSteps& journal) {
    if (!tail) return tail.failure();
    return job.acceptBuild(buildOpenAndApply(job.confirmedEntries, *tail, journal),
                           std::move(inputs));
}

Result<> assignParameter(Job& job, BuildInputs inputs, const JournalSteps& journal) {
    const BuiltText tail = assignmentTail(inputs.parameterName);
    if (!tail) return tail.failure();
    BuiltText built = buildParameterAssignment(job.confirmedEntries, *tail, inputs.values, journal);
    return job.acceptBuild(std::move(built), std::move(inputs));
}
}  // namespace

Result<> buildPendingText(Job& job, BuildInputs inputs) {
    inputs.runId = newRunId();
    const std::string runId = inputs.runId;
    const JournalSteps journal(inputs.journal ? std::string_view(runId) : std::string_view());
    switch (inputs.function) {
        case DoitFunction::mapkeyChain: {
            const BuiltText tail = mapkeyChainTail(inputs.chain);
            return openAndApply(job, tail, std::move(inputs), journal);
        }
        case DoitFunction::parameterAssignment:
            return assignParameter(job, std::move(inputs), journal);
        case DoitFunction::parameterDeletion: {
            // Whoever calls: the command line hands the name over as it was typed.
            inputs.parameterName = deletedParameterName(inputs.parameterName);
            const BuiltText tail = deletionTail(inputs.parameterName);
            return openAndApply(job, tail, std::move(inputs), journal);
        }
        case DoitFunction::saveAs:
            return job.acceptBuild(buildSaveAs(job.confirmedEntries, journal), std::move(inputs));
    }
    return refusal({});
}

Result<> switchJournal(Job& job, bool on) {
    if (job.pendingText().empty() || job.pendingInputs().journal == on) return {};
    BuildInputs inputs = job.pendingInputs();
    inputs.journal = on;
    return buildPendingText(job, std::move(inputs));
}

std::string deletedParameterName(std::string_view typed) { return utf8::toUpper(typed); }

}  // namespace stapelwerk::workflow
