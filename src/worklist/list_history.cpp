#include "worklist/list_history.h"

#include <utility>

namespace stapelwerk {

void ListHistory::record(WorkEntries before, const WorkList& after, ListChange change) {
    if (before == after.entries()) return;
    const bool browsing = change == ListChange::browse;
    // A browsing step after a browsing step: the state before the first one stays the one.
    if (!(browsing && browsing_ && !states_.empty())) {
        states_.push_back(std::move(before));
        if (states_.size() > kDepth) states_.pop_front();
    }
    browsing_ = browsing;
}

bool ListHistory::undo(WorkList& list) {
    if (states_.empty()) return false;
    list.assign(std::move(states_.back()));
    states_.pop_back();
    browsing_ = false;
    return true;
}

}  // namespace stapelwerk
