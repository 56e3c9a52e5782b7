#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
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
        std::filesystem::create_symlink(dir.file("welle.prt"), dir.file("link.prt"));
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
    // Folders (even one named like a part) and the dot file stay out; a link to
    // a file is a file; "Zahnrad.PRT.3" matches and sorts as if lower case;
    // letters beyond ASCII sort by their character.
    EXPECT_EQ(listMatchingFiles(dir.path(), "*.prt*"),
              (Names{"achse.prt", "link.prt", "welle.prt", "welle.prt.2", "Zahnrad.PRT.3",
                     "Ölwanne.prt"}));
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

TEST(DirectoryPaths, NormalFormHasNoFinalSeparatorExceptAtTheRoot) {
    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_EQ(normalDirectory("/"), "/");
    EXPECT_EQ(normalDirectory("/tmp/"), "/tmp");
    EXPECT_EQ(normalDirectory("/tmp//a/./b/../c/"), "/tmp/a/c");
    EXPECT_EQ(normalDirectory("/.."), "/");
    EXPECT_EQ(normalDirectory("."), cwd);
    EXPECT_EQ(normalDirectory("sub/"), cwd + "/sub");
}

TEST(DirectoryPaths, ChainRunsFromTheRootToTheDirectory) {
    const std::vector<DirectoryLevel> chain = directoryChain("/home/u123/ProEWildfire3");
    ASSERT_EQ(chain.size(), 4u);
    const std::pair<const char*, const char*> expected[] = {
        {"/", "/"},
        {"home", "/home"},
        {"u123", "/home/u123"},
        {"ProEWildfire3", "/home/u123/ProEWildfire3"},
    };
    for (std::size_t i = 0; i < chain.size(); ++i) {
        EXPECT_EQ(chain[i].name, expected[i].first);
        EXPECT_EQ(chain[i].path, expected[i].second);
    }
    ASSERT_EQ(directoryChain("/").size(), 1u);
}

}  // namespace
}  // namespace stapelwerk
