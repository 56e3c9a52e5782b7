#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace stapelwerk {

// The steps by which doit writes its journal (journal_format.h): with a run's id, one step
// at its start, one after each entry's last step and one at its end, each appending a line to
// the journal through the system's shell; without one, none, and doit.pro stays as it was.
//
// A step is "@SYSTEM>>doit.journal echo RUNID MARK;": the redirection stands first, so that
// no digit comes before ">>" (cmd.exe reads "7>>" as a handle); it names no file of the
// user's and holds nothing but letters, digits and blanks after "echo", so that cmd.exe and
// /bin/sh run it unchanged, in the working directory.
class JournalSteps {
public:
    // `runId` holds letters and digits only (isRunId); an empty one writes no journal.
    explicit JournalSteps(std::string_view runId = {});

    bool on() const { return !prefix_.empty(); }

    // How many bytes the steps add: at the start and the end together, and after the entry
    // numbered `number` (from 1).
    std::size_t frameSize() const { return start_.size() + end_.size(); }
    std::size_t entrySize(std::size_t number) const;

    void appendStart(std::string& text) const { text.append(start_); }
    void appendEntry(std::string& text, std::size_t number) const;
    void appendEnd(std::string& text) const { text.append(end_); }

private:
    // The line of a step up to its mark.
    std::string prefix_;
    std::string start_;
    std::string end_;
};

}  // namespace stapelwerk
