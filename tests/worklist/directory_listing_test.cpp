#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "support/system.h"
#include "worklist/directory_listing.h"

namespace stapelwerk {
namespace {

using testing::TempDir;
using testing::writeBytes;
using Names = std::vector<std::string>;

class DirectoryListingTest : public ::testing::Test {
protected:
    DirectoryListingTest() {
        for (const char* name : {"plan.drw", "welle.prt", "welle.prt.2", "Zahnrad.PRT.3",
                                 "achse.prt", ".versteckt.prt", "Ölwanne.prt"}) {
            writeBytes(dir.file(name), "");
        }
        std::filesystem::create_directory(dir.file("Baugruppe.prt"));
        std::filesystem::create_directory(dir.file("archiv"));
        std::filesystem::create_directory(dir.file(".git"));
        testing::markHidden(dir.file(".versteckt.prt"));
        testing::markHidden(dir.file(".git"));
    }

    TempDir dir;
};

TEST(DirectoryListing, FilterFromTheDrawingOffice) {
    TempDir office;
    for (const char* name : {"plan.drw", "welle.prt", "welle.prt.2"})
        writeBytes(office.file(name), "");
    EXPECT_EQ(listMatchingFiles(office.path(), "*.prt*"), (Names{"welle.prt", "welle.prt.2"}));
    EXPECT_EQ(listMatchingFiles(office.path(), "*.drw*"), (Names{"plan.drw"}));
    EXPECT_EQ(listMatchingFiles(office.path(), "*.asm*"), Names{});
}

TEST_F(DirectoryListingTest, PlainVisibleFilesInOrderWithCaseIgnored) {
    // Folders (even one named like a part) and the hidden file stay out; "Zahnrad.PRT.3"
    // matches and sorts as if lower case; letters beyond ASCII sort by their character.
    EXPECT_EQ(listMatchingFiles(dir.path(), "*.prt*"),
              (Names{"achse.prt", "welle.prt", "welle.prt.2", "Zahnrad.PRT.3", "Ölwanne.prt"}));
}

TEST_F(DirectoryListingTest, SubdirectoriesWithoutHiddenOnes) {
    EXPECT_EQ(listSubdirectories(dir.path()), (Names{"archiv", "Baugruppe.prt"}));
    EXPECT_EQ(listSubdirectories(dir.file("archiv")), Names{});
}

TEST_F(DirectoryListingTest, WhatCannotBeListedIsEmpty) {
    EXPECT_EQ(listMatchingFiles(dir.file("missing"), "*"), Names{});
    EXPECT_EQ(listMatchingFiles(dir.file("plan.drw"), "*"), Names{});
    EXPECT_EQ(listSubdirectories(dir.file("missing")), Names{});
    EXPECT_EQ(listSubdirectories(""), Names{});
}

}  // namespace
}  // namespace stapelwerk
