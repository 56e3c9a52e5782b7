#pragma once

#include <string>
#include <vector>

#include "core/built_text.h"
#include "core/work_list.h"

namespace stapelwerk {

// The batch job the user puts together: the names collected, the entries confirmed for
// processing, the doit text built from them and where it is to be written. The windows
// share one job; the command line fills one of its own.
class Job {
public:
    // `List_File1`: what the user collects and marks.
    WorkList workList;
    // `List_Selection`: rebuilt whole by confirming, and by nothing else. Every build
    // reads all of it, in order.
    std::vector<std::string> confirmedEntries;
    // `txt_pro`, as the user typed or chose it; it may or may not end in a separator.
    std::string outputDirectory;

    // `doittext`: the complete content of the next doit.pro (without its final CR LF).
    const std::string& pendingText() const { return pendingText_; }

    // A successful build becomes the pending text; a refused one leaves the pending text
    // as it was. Returns the refusal, empty on success.
    std::string acceptBuild(BuiltText built);

private:
    std::string pendingText_;
};

}  // namespace stapelwerk
