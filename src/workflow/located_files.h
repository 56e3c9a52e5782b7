#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cadconfig/model_locator.h"
#include "core/text_list.h"

// Where the CAD system will find each entry's file, as the job record keeps it.
namespace stapelwerk::workflow {

// The file the CAD system will open for `entry` as `located` found it: by its name alone
// where it lies in the working directory (the record's own), else by its path; none where it
// was not found.
std::optional<std::string> fileFound(const ModelLocations& located, std::size_t entry);

// Where the look-up did not run (switched off, stopped, or of save-as, which opens nothing):
// the newest version of each entry in the working directory alone. Nothing is found where the
// directory cannot be read.
ModelLocations locatedInWorkingDirectory(const TextList& entries,
                                         const std::string& workingDirectory);

}  // namespace stapelwerk::workflow
