#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "worklist/extensions.h"
#include "worklist/list_history.h"

namespace stapelwerk {
namespace {

// Makes `change` on `list` the way the window does: the state before it goes to `history`.
template <typename Edit>
void change(ListHistory& history, WorkList& list, ListChange kind, Edit edit) {
    WorkEntries before = list.entries();
    edit(list);
    history.record(std::move(before), list, kind);
}

TEST(ListHistory, EachUndoGivesBackTheListBeforeTheLatestChangeWithItsMarks) {
    const WorkEntries pasted{{"welle.drw", true}, {"plan.drw", false}, {"teil.prt", true}};
    ListHistory history;
    WorkList list;
    const struct {
        ListChange kind;
        void (*edit)(WorkList&);
    } steps[] = {
        {ListChange::paste,
         [](WorkList& l) {
             l.assign({{"welle.drw", true}, {"plan.drw", false}, {"teil.prt", true}});
         }},
        {ListChange::extension, [](WorkList& l) { appendExtension(l, ".2"); }},
        {ListChange::removal, [](WorkList& l) { l.removeSelected(); }},
        {ListChange::typed, [](WorkList& l) { l.append("achse.prt"); }},
        {ListChange::clear, [](WorkList& l) { l.clear(); }},
    };
    std::vector<WorkEntries> states{list.entries()};
    for (const auto& step : steps) {
        change(history, list, step.kind, step.edit);
        states.push_back(list.entries());
    }
    EXPECT_EQ(states[1], pasted);
    EXPECT_EQ(states[3], (WorkEntries{{"plan.drw.2", false}})) << "delete takes the marked";
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(history.undo(list)) << i;
        EXPECT_EQ(list.entries(), states[i - 1]) << i;
        const auto marked = std::count_if(states[i - 1].begin(), states[i - 1].end(),
                                          [](const WorkEntryView e) { return e.selected; });
        EXPECT_EQ(list.selectedCount(), static_cast<std::size_t>(marked)) << "the count stays true";
    }
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undo(list));
}

TEST(ListHistory, WhatLeavesTheListAsItWasIsNoChange) {
    ListHistory history;
    WorkList list({{"plan", false}});
    change(history, list, ListChange::clear, [](WorkList& l) { l.clear(); });
    change(history, list, ListChange::clear, [](WorkList& l) { l.clear(); });
    change(history, list, ListChange::removal, [](WorkList& l) { l.removeSelected(); });
    ASSERT_TRUE(history.undo(list));
    EXPECT_EQ(list.entries(), (WorkEntries{{"plan", false}}));
    EXPECT_FALSE(history.canUndo()) << "the second clear and the delete changed nothing";
}

TEST(ListHistory, OneBrowsingIsOneChangeAndTheOldestGoesPastTheDepth) {
    ListHistory history;
    WorkList list({{"mine.prt", true}});
    for (const char* folder : {"/", "/home", "/home/u123"}) {
        change(history, list, ListChange::browse, [folder](WorkList& l) {
            l.assign({{folder, false}});
        });
    }
    ASSERT_TRUE(history.undo(list));
    EXPECT_EQ(list.entries(), (WorkEntries{{"mine.prt", true}}));

    for (std::size_t i = 0; i < ListHistory::kDepth + 5; ++i) {
        change(history, list, ListChange::typed, [i](WorkList& l) { l.append(std::to_string(i)); });
    }
    std::size_t undone = 0;
    while (history.undo(list)) ++undone;
    EXPECT_EQ(undone, ListHistory::kDepth);
    EXPECT_EQ(list.size(), 1u + 5u) << "the list as it stood after the first five appends";
}

}  // namespace
}  // namespace stapelwerk
