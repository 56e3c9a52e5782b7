#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_checks.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using testing::TempDir;

// Links are followed; one that leads nowhere names nothing.
TEST(FileChecks, FollowLinks) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("sub"));
    testing::writeBytes(dir.file("plain.prt"), "x");
    std::filesystem::create_directory_symlink(dir.file("sub"), dir.file("link-to-sub"));
    std::filesystem::create_symlink(dir.file("plain.prt"), dir.file("link.prt"));
    std::filesystem::create_symlink(dir.file("gone"), dir.file("dangling"));

    EXPECT_TRUE(directoryExists(dir.file("link-to-sub")));
    EXPECT_FALSE(directoryExists(dir.file("link.prt")));
    EXPECT_FALSE(directoryExists(dir.file("dangling")));
}

}  // namespace
}  // namespace stapelwerk
