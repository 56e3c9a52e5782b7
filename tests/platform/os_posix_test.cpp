#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "platform/os.h"
#include "platform/paths.h"
#include "support/ScopedHome.h"
#include "support/TempDir.h"

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

// What a killed write left goes, unless another process holds it: with flock, or with a
// record lock of fcntl or lockf, which flock does not see.
TEST(Os, ClearingLeavesWhatAnotherProcessLocksByEitherKindOfLock) {
    const testing::TempDir dir;
    const std::string dead = dir.file(".stapelwerk-0123456789ab.tmp");
    const std::string flocked = dir.file(".stapelwerk-bbbbbbbbbbbb.tmp");
    const std::string recordLocked = dir.file(".stapelwerk-cccccccccccc.tmp");
    for (const std::string& path : {dead, flocked, recordLocked}) testing::writeBytes(path, "");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        const bool locked = ::flock(::open(flocked.c_str(), O_RDWR), LOCK_EX) == 0 &&
                            ::lockf(::open(recordLocked.c_str(), O_RDWR), F_LOCK, 0) == 0;
        if (!locked || ::write(ready[1], "r", 1) != 1) ::_exit(1);
        ::pause();
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1) << "the locks were not taken";
    os::clearLeftTemporaries(dir.path());
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_TRUE(std::filesystem::exists(flocked));
    EXPECT_TRUE(std::filesystem::exists(recordLocked));
}

}  // namespace
}  // namespace stapelwerk
