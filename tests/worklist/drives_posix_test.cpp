#include <gtest/gtest.h>

#include "worklist/drives.h"

namespace stapelwerk {
namespace {

const std::vector<std::string> kRoots = {"/", "/media/usb", "/home", "/home/u123/net"};

TEST(Drives, TheLongestRootThatHoldsThePathIsItsDrive) {
    const struct {
        const char* path;
        const char* drive;
    } cases[] = {
        {"/", "/"},
        {"/tmp/x", "/"},
        {"/home", "/home"},
        {"/home/u123", "/home"},
        {"/home/u123/net/projekt", "/home/u123/net"},
        {"/homework", "/"},  // "/home" is not a part of it
        {"/media/usb", "/media/usb"},
        {"/MEDIA/USB/a", "/media/usb"},
        {"relative/path", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(driveOf(c.path, kRoots), c.drive);
    }
    EXPECT_EQ(driveOf("/tmp", {}), "");
}

TEST(Drives, ADriveOpensAtTheCurrentDirectoryOnlyWhenThatLiesOnIt) {
    EXPECT_EQ(directoryOnDrive("/home", kRoots, "/home/u123/work"), "/home/u123/work");
    EXPECT_EQ(directoryOnDrive("/", kRoots, "/home/u123/work"), "/");
    EXPECT_EQ(directoryOnDrive("/media/usb", kRoots, "/home/u123/work"), "/media/usb");
    EXPECT_EQ(directoryOnDrive("/", kRoots, "/opt/stapelwerk"), "/opt/stapelwerk");
}

}  // namespace
}  // namespace stapelwerk
