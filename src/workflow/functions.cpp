#include "workflow/functions.h"

#include "generate/doit_builder.h"
#include "generate/mapkey_chain.h"
#include "params/parameter_tails.h"
#include "platform/utf8.h"

namespace stapelwerk::workflow {

namespace {
Result<> openAndApply(Job& job, const BuiltText& tail, BuildInputs inputs) {
    if (!tail) return tail.failure();
    return job.acceptBuild(buildOpenAndApply(job.confirmedEntries, *tail), std::move(inputs));
}
}  // namespace

Result<> buildSaveAs(Job& job) {
    return job.acceptBuild(stapelwerk::buildSaveAs(job.confirmedEntries),
                           {BuiltFunction::saveAs, {}, {}, {}});
}

Result<> buildMapkeyChain(Job& job, std::string_view chain) {
    return openAndApply(job, mapkeyChainTail(chain),
                        {BuiltFunction::mapkeyChain, std::string(chain), {}, {}});
}

std::string deletedParameterName(std::string_view typed) { return utf8::toUpper(typed); }

Result<> buildParameterDeletion(Job& job, std::string_view name) {
    return openAndApply(job, deletionTail(name),
                        {BuiltFunction::parameterDeletion, {}, std::string(name), {}});
}

Result<> buildParameterAssignment(Job& job, std::string_view name,
                                  std::vector<std::string> values) {
    const BuiltText tail = assignmentTail(name);
    if (!tail) return tail.failure();
    BuiltText built = stapelwerk::buildParameterAssignment(job.confirmedEntries, *tail, values);
    return job.acceptBuild(
        std::move(built),
        {BuiltFunction::parameterAssignment, {}, std::string(name), std::move(values)});
}

}  // namespace stapelwerk::workflow
