#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/job_record.h"
#include "workflow/run_results.h"
#include "workflow/run_watch.h"

// What the window shows of the run it follows, decided here so that the window only shows it.
namespace stapelwerk::workflow {

struct RunProgress {
    // For the bar: the entries the journal passed, or once the run has ended (or writes no
    // journal) the entries done; of `entries`.
    std::size_t reached = 0;
    std::size_t entries = 0;
    std::string text;
    // Whether more lines may come (mayGoOn).
    bool running = false;
    // Whether a time without lines says that the run stands: it is running and started.
    bool standsWhenQuiet = false;
};

// Whether the journal of the run may gain lines: it is on and the run has not ended.
bool mayGoOn(const RunWatch& watch);

// Where the run of `watch` stands: waiting for doit, "17 von 300 Einträgen durchlaufen –
// zuletzt welle.prt", or, ended or without a journal, the summary of its results (which
// looks at the files on disk).
RunProgress progressOf(const RunWatch& watch);

// That the run seems to stand at the entry after the furthest one passed, named by the
// file found for it (else by the entry), after `minutes` without a line.
std::string standingText(const RunWatch& watch, int minutes);

// The setting's minutes without a line, after which the run seems to stand; what is not a
// whole number from 1 to a day reads as the default.
int quietMinutes(std::string_view setting);

// The entries that are not done, one a line, for the clipboard.
std::string namesNotDone(const JobRecord& record, const RunResults& results);

}  // namespace stapelwerk::workflow
