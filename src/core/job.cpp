#include "core/job.h"

namespace stapelwerk {

std::string Job::acceptBuild(BuiltText built) {
    if (!built.ok()) return std::move(built.refusal);
    pendingText_ = std::make_shared<const std::string>(std::move(built.text));
    pendingEntryCount_ = confirmedEntries.size();
    return {};
}

}  // namespace stapelwerk
