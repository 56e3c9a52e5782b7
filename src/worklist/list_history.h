#pragma once

#include <cstddef>
#include <deque>

#include "core/work_list.h"

namespace stapelwerk {

// What changed the content of the work list.
enum class ListChange { paste, drop, typed, clear, removal, extension, browse };

// The work list as it stood before its latest changes, so that a change made by mistake
// ("Liste löschen" instead of "ALLE") costs nothing. Marking entries is not a change.
class ListHistory {
public:
    // The oldest state goes when more changes than this are kept.
    static constexpr std::size_t kDepth = 20;

    // `before` is the content as it stood before `change`, `after` the list it left. A
    // change that left the list as it was is none, and the refills of one browsing (every
    // folder opened on the way) count as one change.
    void record(WorkEntries before, const WorkList& after, ListChange change);
    bool canUndo() const { return !states_.empty(); }
    // Puts `list` back as it stood before the latest change, which is then forgotten;
    // false (and `list` unchanged) when no change is left to undo.
    bool undo(WorkList& list);

private:
    std::deque<WorkEntries> states_;
    bool browsing_ = false;
};

}  // namespace stapelwerk
