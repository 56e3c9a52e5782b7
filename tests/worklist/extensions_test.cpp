#include <gtest/gtest.h>

#include "worklist/extensions.h"

namespace stapelwerk {
namespace {

TEST(Extensions, AppendToEveryEntryKeepingSelection) {
    WorkList list({{"welle", true}, {"teil.prt", false}});
    appendExtension(list, ".prt");
    EXPECT_EQ(list.entries(), (WorkEntries{{"welle.prt", true}, {"teil.prt.prt", false}}));
    EXPECT_EQ(list.selectedCount(), 1u);
}

TEST(Extensions, StripOnlyAnExactTrailingExtensionOncePerPress) {
    WorkList list(
        {{"plan.drw", false}, {"plan.DRW", true}, {"plan.drw.3", false}, {"plan.drw.drw", true}});
    stripExtension(list, ".drw");
    EXPECT_EQ(list.entries(),
              (WorkEntries{
                  {"plan", false}, {"plan.DRW", true}, {"plan.drw.3", false}, {"plan.drw", true}}));
    stripExtension(list, ".drw");
    EXPECT_EQ(list.entries()[3].text, "plan");
    WorkList none;
    stripExtension(none, ".prt");
    EXPECT_EQ(none.size(), 0u);
}

// A row copied from a spreadsheet names its file in the first cell; the switch acts there.
TEST(Extensions, ActOnTheFirstCellOfARowOfSeveral) {
    WorkList list({{"welle\tWelle 20", true}, {"\"flansch\";1;frei", true}, {"plan.drw;1", true}});
    appendExtension(list, ".prt");
    EXPECT_EQ(list.entries()[0].text, "welle.prt\tWelle 20");
    EXPECT_EQ(list.entries()[1].text, "\"flansch.prt\";1;frei");
    stripExtension(list, ".prt");
    stripExtension(list, ".drw");
    EXPECT_EQ(list.entries()[0].text, "welle\tWelle 20");
    EXPECT_EQ(list.entries()[2].text, "plan;1");
}

}  // namespace
}  // namespace stapelwerk
