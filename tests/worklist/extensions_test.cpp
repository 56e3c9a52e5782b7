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

}  // namespace
}  // namespace stapelwerk
