#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "worklist/directory_listing.h"

namespace stapelwerk {
namespace {

using Names = std::vector<std::string>;

TEST(DirectoryListing, ALinkIsListedAsWhatItLeadsTo) {
    testing::TempDir dir;
    testing::writeBytes(dir.file("welle.prt"), "");
    std::filesystem::create_directory(dir.file("archiv"));
    std::filesystem::create_symlink(dir.file("welle.prt"), dir.file("link.prt"));
    std::filesystem::create_directory_symlink(dir.file("archiv"), dir.file("link-to-archiv"));
    std::filesystem::create_symlink(dir.file("gone.prt"), dir.file("dangling.prt"));
    EXPECT_EQ(listMatchingFiles(dir.path(), "*.prt*"), (Names{"link.prt", "welle.prt"}));
    EXPECT_EQ(listSubdirectories(dir.path()), (Names{"archiv", "link-to-archiv"}));
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
