#include <gtest/gtest.h>

#include "worklist/extensions.h"

namespace stapelwerk {
namespace {

TEST(Extensions, AppendToEveryEntryKeepingSelection) {
    WorkEntries entries = {{"welle", true}, {"teil.prt", false}};
    appendExtension(entries, ".prt");
    EXPECT_EQ(entries, (WorkEntries{{"welle.prt", true}, {"teil.prt.prt", false}}));
}

TEST(Extensions, StripOnlyAnExactTrailingExtensionOncePerPress) {
    WorkEntries entries = {
        {"plan.drw", false}, {"plan.DRW", true}, {"plan.drw.3", false}, {"plan.drw.drw", true}};
    stripExtension(entries, ".drw");
    EXPECT_EQ(entries, (WorkEntries{{"plan", false},
                                    {"plan.DRW", true},
                                    {"plan.drw.3", false},
                                    {"plan.drw", true}}));
    stripExtension(entries, ".drw");
    EXPECT_EQ(entries[3].text, "plan");
    WorkEntries none;
    stripExtension(none, ".prt");
    EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace stapelwerk
