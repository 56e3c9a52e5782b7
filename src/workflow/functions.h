#pragma once

#include <string>
#include <string_view>

#include "core/build_inputs.h"
#include "core/job.h"
#include "platform/result.h"

// The road of each function from what the user gave to the pending text of the job,
// written once for the window and the command line.
namespace stapelwerk::workflow {

// Builds `inputs.function` for every confirmed entry from the inputs it needs (its row of
// the function table), with the journal's steps where `inputs.journal` asks for them; the
// text becomes the job's pending text, kept with `inputs` for the check before writing and
// for the job record. Each build draws a new run id (inputs.runId), so that each doit.pro
// written is a run of its own. A refusal leaves the pending text as it was and carries the
// message to show.
Result<> buildPendingText(Job& job, BuildInputs inputs);

// Builds the pending text again with the journal's steps or without them, as `on` says,
// unless it was built so; with a new run id, as every build. Nothing is built where no text
// is pending.
Result<> switchJournal(Job& job, bool on);

// The name as the deletion uses it, and as the dialog shows it back: in capitals.
std::string deletedParameterName(std::string_view typed);

}  // namespace stapelwerk::workflow
