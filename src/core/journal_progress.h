#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stapelwerk {

// What the journal (journal_format.h) tells of one run so far. It is fed the journal's
// bytes as they come, the whole file at once or what it gained since, and keeps a bit an
// entry. Entries are counted from 0 here, from 1 in the journal.
class JournalProgress {
public:
    JournalProgress(std::string runId, std::size_t entryCount);

    // The next bytes of the journal. A line counts once its line end has come (LF, or CR
    // LF); lines of other runs and lines that are none of the journal's are passed over.
    void take(std::string_view bytes);

    // Whether any line of this run has come.
    bool heard() const { return heard_; }
    // Whether the run that started last has come to its end.
    bool ended() const { return ended_; }
    // Whether doit passed the entry: its line has come, in any start of the run.
    bool passed(std::size_t entry) const { return passed_[entry]; }
    std::size_t passedCount() const { return passedCount_; }
    // The entry of the latest line that names one: where doit was last heard of.
    std::optional<std::size_t> latest() const { return latest_; }
    // How far the run that started last came: the entry after the furthest one it passed,
    // 0 before it passed any.
    std::size_t reached() const { return reached_; }

private:
    void takeLine(std::string_view line);

    std::string runId_;
    std::vector<bool> passed_;
    std::size_t passedCount_ = 0;
    bool heard_ = false;
    bool ended_ = false;
    std::optional<std::size_t> latest_;
    std::size_t reached_ = 0;
    // The start of a line whose end has not come yet; one too long for a line of the
    // journal is not kept.
    std::string partial_;
    bool overlong_ = false;
};

}  // namespace stapelwerk
