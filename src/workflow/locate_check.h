#pragma once

#include <string>
#include <vector>

#include "cadconfig/model_locator.h"
#include "core/function_table.h"
#include "core/job.h"
#include "core/text_list.h"
#include "workflow/write_check.h"
#include "worklist/given_location.h"

// The check's look at where the CAD system will find each confirmed entry: what it would miss,
// find twice, find in another version or directory than the list names, or fail to save.
namespace stapelwerk::workflow {

// What the look-up needs besides the confirmed entries, copied, so that it can run off the
// window's thread.
struct LocateJob {
    std::vector<GivenLocation> given;  // of each entry, or empty where the list gave none
    DoitFunction function = DoitFunction::saveAs;
    std::string outputDirectory;  // the CAD system's working and start directory
    std::string programDirectory;
};

// The look-up of the job's pending text: what its list gives of the entries, its function, its
// output directory.
LocateJob locateJobOf(const Job& job, const std::string& programDirectory);

// Whether the findings of a kind come from the look-up (and go when the user switches it off).
bool comesFromLocate(FindingKind kind);

struct LocateOutcome {
    ModelLocations locations;
    Findings findings;
};

// The findings of `located` for the confirmed `entries`: none for save-as, which makes what it
// does not find; one that names the places looked in where no entry is found at all.
Findings locateFindings(const TextList& entries, const LocateJob& job,
                        const ModelLocations& located);

// What the preview shows of the entry at `entry`: the file Pro/E opens, or, for save-as, the
// file saved over or that it is made.
std::string shownLocation(const TextList& entries, const LocateJob& job,
                          const ModelLocations& located, std::size_t entry);

// Reads the search path of the config.pro files that the CAD system reads at start, looks up
// every entry (locateModels; `progress` may stop it) and checks what it found.
LocateOutcome locateAndCheck(const TextList& entries, const LocateJob& job,
                             const LocateProgress& progress);

}  // namespace stapelwerk::workflow
