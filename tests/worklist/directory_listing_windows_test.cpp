#include <gtest/gtest.h>

#include <filesystem>

#include "platform/paths.h"
#include "support/TempDir.h"
#include "worklist/directory_listing.h"

namespace stapelwerk {
namespace {

using Names = std::vector<std::string>;

TEST(DirectoryPaths, NormalFormHasBackslashesAndNoFinalOneExceptAtTheRoot) {
    const std::string cwd = fromPath(std::filesystem::current_path());
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\", "C:\\"},
        {"C:\\temp\\", "C:\\temp"},
        {"C:/temp//a/./b/../c/", "C:\\temp\\a\\c"},
        {"C:\\..", "C:\\"},
        {"d:\\Projekt\\Teile", "d:\\Projekt\\Teile"},
        {".", cwd},
        {"sub/", cwd + "\\sub"},
    };
    for (const auto& [path, normal] : cases) EXPECT_EQ(normalDirectory(path), normal) << path;
}

TEST(DirectoryPaths, ChainRunsFromTheDriveToTheDirectory) {
    const std::vector<DirectoryLevel> chain = directoryChain("C:\\Users\\u123\\ProEWildfire3");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"C:\\", "C:\\"},
        {"Users", "C:\\Users"},
        {"u123", "C:\\Users\\u123"},
        {"ProEWildfire3", "C:\\Users\\u123\\ProEWildfire3"},
    };
    ASSERT_EQ(chain.size(), expected.size());
    for (std::size_t i = 0; i < chain.size(); ++i) {
        EXPECT_EQ(chain[i].name, expected[i].first);
        EXPECT_EQ(chain[i].path, expected[i].second);
    }
    ASSERT_EQ(directoryChain("C:\\").size(), 1u);
}

// Windows hides by attribute, not by name: a dot file without the attribute is listed.
TEST(DirectoryListing, ADotFileIsListedUnlessItIsHidden) {
    testing::TempDir dir;
    testing::writeBytes(dir.file(".vorlage.prt"), "");
    std::filesystem::create_directory(toPath(dir.file(".archiv")));
    EXPECT_EQ(listMatchingFiles(dir.path(), "*.prt"), Names{".vorlage.prt"});
    EXPECT_EQ(listSubdirectories(dir.path()), Names{".archiv"});
}

}  // namespace
}  // namespace stapelwerk
