#include "worklist/given_location.h"

#include <gtest/gtest.h>

namespace stapelwerk {
namespace {

TEST(GivenLocation, TheDirectoryAndVersionBeyondTheConfirmedName) {
    const struct {
        const char* line;
        GivenLocation given;
    } cases[] = {
        {"welle.prt", {}},
        {"welle.prt.12", {"", 12}},
        {R"(C:\work\welle.prt.3)", {R"(C:\work\)", 3}},
        {"  /pdm/teile/Welle.PRT\tStahl", {"/pdm/teile/", std::nullopt}},
        {"lib/welle.prt.neu", {"lib/", std::nullopt}},  // no number: no version
        {"welle.prt.1234567890", {}},                   // more than nine digits
        {"welle", {}},                                  // no type, so no version
    };
    for (const auto& c : cases) EXPECT_EQ(givenLocationOf(c.line), c.given) << c.line;
}

// A repeat of a name is confirmed once: a row that names where it lies is not hidden behind
// an earlier plain one, nor behind an unselected one.
TEST(GivenLocation, OfEachEntryTheFirstSelectedRowThatSaysWhere) {
    const WorkEntries rows = {{"welle.prt", true},
                              {"/alt/welle.prt.2", false},
                              {"/neu/welle.prt.4", true},
                              {"/spaet/welle.prt.5", true},
                              {"nut.prt", true}};
    const std::vector<GivenLocation> given =
        givenLocations(rows, {"welle.prt", "nut.prt", "x.prt"});
    EXPECT_EQ(given, (std::vector<GivenLocation>{{"/neu/", 4}, {}, {}}));
}

}  // namespace
}  // namespace stapelwerk
