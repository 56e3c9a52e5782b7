#include "core/job.h"

namespace stapelwerk {

Result<> Job::acceptBuild(BuiltText built, BuildInputs inputs) {
    if (!built) return built.failure();
    pendingText_ = std::make_shared<const std::string>(std::move(built.value()));
    pendingEntryCount_ = confirmedEntries.size();
    pendingInputs_ = std::move(inputs);
    return {};
}

}  // namespace stapelwerk
