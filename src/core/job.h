#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/build_inputs.h"
#include "core/built_text.h"
#include "core/text_list.h"
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
    TextList confirmedEntries;
    // `txt_pro`, as the user typed or chose it; it may or may not end in a separator.
    std::string outputDirectory;

    // `doittext`: the complete content of the next doit.pro (without its final CR LF).
    const std::string& pendingText() const { return *pendingText_; }
    // The pending text as it is now, kept alive for a view while later builds replace it.
    std::shared_ptr<const std::string> pendingTextSnapshot() const { return pendingText_; }
    // How many entries the pending text was built for.
    std::size_t pendingEntryCount() const { return pendingEntryCount_; }

    // What the pending text was built with.
    const BuildInputs& pendingInputs() const { return pendingInputs_; }

    // A successful build of the confirmed entries becomes the pending text, with what it
    // was built with; a refused one leaves both as they were and is handed back.
    Result<> acceptBuild(BuiltText built, BuildInputs inputs = {});

private:
    std::shared_ptr<const std::string> pendingText_ = std::make_shared<const std::string>();
    std::size_t pendingEntryCount_ = 0;
    BuildInputs pendingInputs_;
};

}  // namespace stapelwerk
