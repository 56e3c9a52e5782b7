#include <gtest/gtest.h>

#include "platform/os.h"
#include "platform/paths.h"
#include "support/ScopedHome.h"

namespace stapelwerk {
namespace {

// Without drive letters both candidates are the CAD directory in the user's home.
TEST(Os, CadStartDirectoriesLieInTheHomeDirectory) {
    const testing::ScopedHome home("/home/u123");
    const os::CadStartDirectories candidates = os::cadStartDirectories("anyone");
    EXPECT_EQ(candidates.first, "/home/u123/ProEWildfire3/");
    EXPECT_EQ(candidates.second, "/home/u123/ProEWildfire3/");
}

TEST(Os, APathIsJoinedWithASlash) {
    EXPECT_EQ(joinFileName("/srv/cad", "doit.pro"), "/srv/cad/doit.pro");
    EXPECT_EQ(joinFileName("/srv/cad/", "doit.pro"), "/srv/cad/doit.pro");
    EXPECT_EQ(joinFileName("", "doit.pro"), "/doit.pro");
}

TEST(Os, HasNoSettingsStoreOfItsOwn) {
    std::error_code error;
    EXPECT_FALSE(os::writeStoredSetting("Stapelwerk", "Optionen", "txt_pro", "/tmp", error));
    EXPECT_EQ(error, std::errc::operation_not_supported);
    EXPECT_EQ(os::readStoredSetting("Stapelwerk", "Optionen", "txt_pro"), std::nullopt);
}

}  // namespace
}  // namespace stapelwerk
