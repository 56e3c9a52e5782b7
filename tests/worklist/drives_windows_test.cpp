#include <gtest/gtest.h>

#include "worklist/drives.h"

namespace stapelwerk {
namespace {

const std::vector<std::string> kRoots = {"C:\\", "D:\\", "C:\\Users\\u123\\net",
                                         "\\\\server\\share\\"};

TEST(Drives, TheLongestRootThatHoldsThePathIsItsDrive) {
    const struct {
        const char* path;
        const char* drive;
    } cases[] = {
        {"C:\\", "C:\\"},
        {"C:\\temp\\x", "C:\\"},
        {"c:\\TEMP", "C:\\"},
        {"D:\\projekt", "D:\\"},
        {"E:\\projekt", ""},
        {"C:\\Users\\u123\\net\\projekt", "C:\\Users\\u123\\net"},
        {"C:\\Users\\u123\\network", "C:\\"},  // "net" is not a part of it
        {"\\\\server\\share\\cad", "\\\\server\\share\\"},
        {"\\\\SERVER\\Share\\cad", "\\\\server\\share\\"},
        {"\\\\server\\other\\cad", ""},
        {"relative\\path", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(driveOf(c.path, kRoots), c.drive);
    }
}

TEST(Drives, ADriveOpensAtTheCurrentDirectoryOnlyWhenThatLiesOnIt) {
    EXPECT_EQ(directoryOnDrive("C:\\", kRoots, "C:\\temp\\work"), "C:\\temp\\work");
    EXPECT_EQ(directoryOnDrive("D:\\", kRoots, "C:\\temp\\work"), "D:\\");
    EXPECT_EQ(directoryOnDrive("\\\\server\\share\\", kRoots, "\\\\server\\share\\cad"),
              "\\\\server\\share\\cad");
}

}  // namespace
}  // namespace stapelwerk
