// POSIX paths, and failures that only POSIX systems let a test bring about: a full disk
// (a file size limit), a file that exists but cannot be read, and a link that leads nowhere.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <set>

#include "cadconfig/auto_mapkey_fixture.h"
#include "cadconfig/defined_mapkeys.h"
#include "core/texts.h"
#include "support/template_lines.h"

namespace stapelwerk {
namespace {

using testing::AutoMapkeyTest;
using testing::fileWithLines;
using testing::Lines;
using testing::readBytes;
using testing::writeBytes;
using Names = std::set<std::string>;

TEST_F(AutoMapkeyTest, PathFollowsTheOutputDirectoryText) {
    EXPECT_EQ(configProPath("/home/u123/ProEWildfire3", "/opt/prog"),
              "/home/u123/ProEWildfire3/config.pro");
    EXPECT_EQ(configProPath("/home/u123/ProEWildfire3/", "/opt/prog"),
              "/home/u123/ProEWildfire3/config.pro");
    EXPECT_EQ(configProPath("", "/opt/prog"), "/opt/prog/config.pro");
    EXPECT_EQ(configProPath("", "/"), "/config.pro");
}

TEST_F(AutoMapkeyTest, AFileThatCannotBeReadIsReportedAndKept) {
    std::filesystem::create_directory(dir.file("unreadable"));
    // A file whose length reads as 0 and whose reading fails with an I/O error.
    std::filesystem::create_symlink("/proc/self/mem", dir.file("unreadable/config.pro"));
    install(dir.file("unreadable"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find(dir.file("unreadable/config.pro")), std::string::npos);
    EXPECT_NE(platform.messages[0].find("nicht gelesen"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("unreadable/config.pro")));
}

TEST_F(AutoMapkeyTest, AFullDiskLeavesTheOldFileAndItsOlderBackupIntact) {
    const std::string old = fileWithLines(Lines(200, "! a line of the old configuration"));
    writeBytes(dir.file("config.pro"), old);
    writeBytes(dir.file("config.pro.bak"), "older");

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = old.size();  // the old lines fit, the block does not
    setrlimit(RLIMIT_FSIZE, &small);
    install(dir.path());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_EQ(config(), old);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("Die Datei ist zu groß"), std::string::npos)
        << platform.messages[0];
    EXPECT_NE(platform.messages[0].find(dir.file("config.pro")), std::string::npos);
    EXPECT_EQ(filesInDirectory(), (Names{"config.pro", "config.pro.bak"}))
        << "the partial new file must not stay behind";
    EXPECT_EQ(backup(), "older") << "nothing changed, not even the backup";
}

// A FIFO, or a link to a device, that someone put in config.pro's place is said to be one;
// nothing waits on it, nothing is created or backed up, and the chain's check and list say
// why they could not look.
TEST_F(AutoMapkeyTest, AConfigProThatIsNoFileIsSaidToBeOneAndNotWaitedOn) {
    const struct {
        const char* folder;
        std::string_view reason;
    } cases[] = {{"fifo", texts::kReasonPipe}, {"device", texts::kReasonCharacterDevice}};
    std::filesystem::create_directory(dir.file("fifo"));
    ASSERT_EQ(::mkfifo(dir.file("fifo/config.pro").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.file("device"));
    std::filesystem::create_symlink("/dev/null", dir.file("device/config.pro"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::string path = dir.file(std::string(c.folder) + "/config.pro");
        platform.messages.clear();
        EXPECT_FALSE(install(dir.file(c.folder)));
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0], texts::messageConfigProNotRead(path, c.reason));
        EXPECT_EQ(filesIn(dir.file(c.folder)), Names{"config.pro"});

        const KnownMapkeys known = readKnownMapkeys({path});
        EXPECT_FALSE(known.looked);
        ASSERT_EQ(known.unread.size(), 1u);
        EXPECT_EQ(known.unread[0].reason, c.reason);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("fifo/config.pro")));
}

TEST_F(AutoMapkeyTest, AFailedCreationShowsNoCreationMessage) {
    std::filesystem::create_symlink(dir.file("nowhere/target"), dir.file("config.pro"));
    install(dir.path());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("nicht angelegt"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("config.pro"))) << "never replaced";
}

TEST_F(AutoMapkeyTest, TheFileBeforeEachAppendIsBackedUpByteForByteWithItsAccess) {
    const std::string old =
        "! Gr\xF6\xDF"
        "e\rlast";
    writeBytes(dir.file("config.pro"), old);
    std::filesystem::permissions(dir.file("config.pro"), std::filesystem::perms(0600));
    writeBytes(dir.file("config.pro.bak"), "older");
    std::filesystem::permissions(dir.file("config.pro.bak"), std::filesystem::perms(0644));
    EXPECT_TRUE(install(dir.path()));
    EXPECT_EQ(backup(), old);
    struct stat copied {};
    ASSERT_EQ(::stat(dir.file("config.pro.bak").c_str(), &copied), 0);
    EXPECT_EQ(copied.st_mode & 0777, 0600u) << "no more readers than config.pro";

    EXPECT_TRUE(install(dir.path()));
    EXPECT_EQ(backup(), old) << "a second auto keeps the backup from before the first";

    // Changed between reading and appending: the copy keeps the change.
    const Result<workflow::AutoInstall> read =
        workflow::prepareAutoInstall(dir.path(), platform.programDirectory());
    ASSERT_TRUE(read.ok());
    writeBytes(dir.file("config.pro"), "changed meanwhile\r\n");
    EXPECT_TRUE(workflow::installAutoMapkey(*read).ok());
    EXPECT_EQ(backup(), "changed meanwhile\r\n");
    EXPECT_EQ(config().rfind("changed meanwhile\r\n! Mapkey", 0), 0u) << "appended to it";
}

// A backup is only ever written to a plain file that is no other file: never through a link
// at its place, never over the file it copies, never over another file's backup.
TEST_F(AutoMapkeyTest, TheBackupReplacesNothingButAnEarlierBackup) {
    writeBytes(dir.file("notes.txt"), "notes");
    writeBytes(dir.file("config.pro"), "old\r\n");
    std::filesystem::create_symlink(dir.file("notes.txt"), dir.file("config.pro.bak"));
    EXPECT_FALSE(install(dir.path()));
    EXPECT_EQ(readBytes(dir.file("notes.txt")), "notes");
    EXPECT_EQ(config(), "old\r\n");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("An der Stelle der Sicherungskopie liegt der symbolische "
                                        "Link \"" +
                                        dir.file("config.pro.bak")),
              std::string::npos)
        << platform.messages[0];

    // config.pro names its own backup's place: the copy goes beside, under its own name.
    testing::TempDir other;
    writeBytes(other.file("config.pro.bak"), "old\r\n");
    std::filesystem::create_symlink("config.pro.bak", other.file("config.pro"));
    EXPECT_TRUE(install(other.path()));
    EXPECT_EQ(readBytes(other.file("config.pro.bak.bak")), "old\r\n");
}

TEST_F(AutoMapkeyTest, TheBackupOfALinkedFileLiesBesideTheFileItNamesAndBearsItsName) {
    std::filesystem::create_directory(dir.file("shared"));
    writeBytes(dir.file("shared/team.pro"), "team\r\n");
    std::filesystem::create_directory(dir.file("work"));
    std::filesystem::create_symlink("../shared/team.pro", dir.file("work/config.pro"));
    EXPECT_TRUE(install(dir.file("work")));
    EXPECT_EQ(readBytes(dir.file("shared/team.pro.bak")), "team\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("shared/config.pro.bak")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("work/config.pro.bak")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("work/config.pro")));
}

}  // namespace
}  // namespace stapelwerk
