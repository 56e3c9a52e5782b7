#include "core/job.h"

namespace stapelwerk {

std::string Job::acceptBuild(BuiltText built) {
    if (!built.ok()) return std::move(built.refusal);
    pendingText_ = std::move(built.text);
    return {};
}

}  // namespace stapelwerk
