#pragma once

#include <string>
#include <vector>

#include "core/function_table.h"

namespace stapelwerk {

// What the user gave the function that built the pending text, so that it can be checked
// before the text is written. A function reads the fields it needs (FunctionNeeds); every
// field has its initializer, so that a caller names only those.
struct BuildInputs {
    DoitFunction function = DoitFunction::saveAs;
    // The chain as typed.
    std::string chain = {};
    // The name as it goes into doit.pro.
    std::string parameterName = {};
    // The value of each confirmed entry, by position.
    std::vector<std::string> values = {};
    // doit appends to the journal how far it came (journal_format.h), under the run's id:
    // letters and digits, drawn anew for each build (workflow::buildPendingText).
    bool journal = false;
    std::string runId = {};
};

}  // namespace stapelwerk
