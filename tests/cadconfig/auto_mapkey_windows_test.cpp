// Windows paths, and a config.pro that another program holds open without sharing it
// (as an editor or a virus scanner may): it cannot be read, so it is never replaced.
#include <windows.h>

#include <gtest/gtest.h>

#include "cadconfig/auto_mapkey_fixture.h"
#include "platform/paths.h"

namespace stapelwerk {
namespace {

using testing::AutoMapkeyTest;
using testing::readBytes;
using testing::writeBytes;

TEST_F(AutoMapkeyTest, PathFollowsTheOutputDirectoryText) {
    const struct {
        const char* directory;
        const char* path;
    } cases[] = {
        {"C:\\users\\u123\\ProEWildfire3", "C:\\users\\u123\\ProEWildfire3\\config.pro"},
        {"C:\\users\\u123\\ProEWildfire3\\", "C:\\users\\u123\\ProEWildfire3\\config.pro"},
        {"C:\\", "C:\\config.pro"},
        {"\\\\server\\share\\cad", "\\\\server\\share\\cad\\config.pro"},
        {"", "C:\\Programme\\Stapelwerk\\config.pro"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(configProPath(c.directory, "C:\\Programme\\Stapelwerk"), c.path) << c.directory;
    }
    EXPECT_EQ(configProPath("", "C:\\"), "C:\\config.pro");
}

TEST_F(AutoMapkeyTest, AFileHeldOpenByAnotherProgramIsReportedAndKept) {
    const std::string old = "! the user's configuration\r\n";
    writeBytes(dir.file("config.pro"), old);
    const HANDLE held = CreateFileW(toPath(dir.file("config.pro")).c_str(), GENERIC_READ, 0,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    install(dir.path());
    CloseHandle(held);

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find(dir.file("config.pro")), std::string::npos)
        << platform.messages[0];
    EXPECT_NE(platform.messages[0].find("nicht gelesen"), std::string::npos)
        << platform.messages[0];
    EXPECT_EQ(config(), old);
    EXPECT_EQ(filesInDirectory(), std::set<std::string>{"config.pro"});
}

}  // namespace
}  // namespace stapelwerk
