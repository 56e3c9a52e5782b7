#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ranges>

#include "core/job.h"

namespace stapelwerk {
namespace {

TEST(WorkList, KeepsItsSelectedCountThroughEveryChange) {
    WorkList list({{"a", true}, {"b", false}, {"c", true}});
    EXPECT_EQ(list.selectedCount(), 2u);
    list.setSelected(0, 2, true);
    EXPECT_EQ(list.selectedCount(), 3u) << "an entry selected twice counts once";
    list.setSelected(1, 1, false);
    list.setSelected(1, 1, false);
    EXPECT_EQ(list.selectedCount(), 2u);
    list.append("d");
    EXPECT_EQ(list.entries()[3], (WorkEntryView{"d", false}));
    EXPECT_EQ(list.selectedCount(), 2u);
    list.changeTexts([](std::string& text) { text += ".prt"; });
    EXPECT_EQ(list.entries()[2], (WorkEntryView{"c.prt", true}));
    EXPECT_EQ(list.selectedCount(), 2u);
    list.setAllSelected(true);
    EXPECT_EQ(list.selectedCount(), 4u);
    list.setAllSelected(false);
    EXPECT_EQ(list.selectedCount(), 0u);
    list.assign(unselectedEntries({"x", "y"}));
    list.setAllSelected(true);
    list.clear();
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(list.selectedCount(), 0u);
}

// The texts lie end to end in one buffer: each must keep its own bounds, empty ones too.
TEST(WorkEntries, EachTextKeepsItsBoundsThroughChangeAndRemoval) {
    const auto texts = [](const WorkEntries& entries) {
        std::vector<std::string> all;
        for (const WorkEntryView entry : entries) {
            all.push_back(std::string(entry.text) + (entry.selected ? "*" : ""));
        }
        return all;
    };
    WorkEntries entries{
        {"", true}, {"welle.prt", false}, {"", false}, {"flansch ä", true}, {"x", false}};
    entries.changeTexts(
        [](std::string& text) { text = text.size() > 1 ? text.substr(1) : text + "ab"; });
    EXPECT_EQ(texts(entries),
              (std::vector<std::string>{"ab*", "elle.prt", "ab", "lansch ä*", "xab"}));
    entries.removeSelected();
    EXPECT_EQ(texts(entries), (std::vector<std::string>{"elle.prt", "ab", "xab"}));
    EXPECT_EQ(entries, (WorkEntries{{"elle.prt", false}, {"ab", false}, {"xab", false}}));
}

TEST(TextList, KeepsEachTextWhetherCopiedOrTakenOver) {
    TextList list{"", ""};
    // Taken over as the buffer while every text before is empty, copied after that.
    list.appendMoved("welle.prt");
    list.appendMoved("");
    list.appendMoved("flansch ä.prt");
    list.append("nabe");
    const std::vector<std::string> expected{"", "", "welle.prt", "", "flansch ä.prt", "nabe"};
    EXPECT_EQ(list, expected);
    EXPECT_EQ(list.bytes(), 27u);
    // The iterator serves the algorithms that walk it, backwards and by jumps too.
    EXPECT_EQ(list.end() - list.begin(), 6);
    EXPECT_EQ(*std::ranges::find(list, "nabe"), "nabe");
    EXPECT_EQ(*std::prev(list.end()), "nabe");
    EXPECT_EQ(list.begin()[4], "flansch ä.prt");
    EXPECT_TRUE(std::ranges::equal(std::views::reverse(list), std::views::reverse(expected)));
    list = TextList();
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.bytes(), 0u);
}

TEST(Job, ARefusedBuildKeepsThePendingTextAndItsCount) {
    Job job;
    job.confirmedEntries = {"a.prt", "b.prt"};
    EXPECT_TRUE(job.acceptBuild(std::string("first")).ok());
    EXPECT_EQ(job.pendingText(), "first");
    const auto firstSnapshot = job.pendingTextSnapshot();
    job.confirmedEntries = {"c.prt"};
    EXPECT_EQ(job.acceptBuild(refusal("refused")).message(), "refused");
    EXPECT_EQ(job.pendingText(), "first");
    EXPECT_EQ(job.pendingEntryCount(), 2u);
    EXPECT_TRUE(job.acceptBuild(std::string("second")).ok());
    EXPECT_EQ(job.pendingText(), "second");
    EXPECT_EQ(job.pendingEntryCount(), 1u);
    EXPECT_EQ(*firstSnapshot, "first") << "a view keeps the text it shows";
}

}  // namespace
}  // namespace stapelwerk
