#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/job.h"
#include "platform/result.h"

// The road of each function from what the user gave to the pending text of the job,
// written once for the window and the command line. Each builds every confirmed entry;
// a refusal leaves the pending text as it was and carries the message to show.
namespace stapelwerk::workflow {

Result<> buildSaveAs(Job& job);

// `chain` as the user typed it into "Mapkeys eingeben".
Result<> buildMapkeyChain(Job& job, std::string_view chain);

// The name as the deletion uses it, and as the dialog shows it back: in capitals.
std::string deletedParameterName(std::string_view typed);

// `name` as deletedParameterName gives it.
Result<> buildParameterDeletion(Job& job, std::string_view name);

// `values` one per confirmed entry, as pairValues gives them; they are kept with the
// pending text, so a caller that needs them no more moves them in.
Result<> buildParameterAssignment(Job& job, std::string_view name, std::vector<std::string> values);

}  // namespace stapelwerk::workflow
