#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/texts.h"
#include "platform/file_rules.h"
#include "platform/input_limit.h"
#include "platform/text_file.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"
#include "support/system.h"

namespace stapelwerk {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

// Everything under `root`, links not followed: what a failed write must leave alone,
// and where a left-over temporary file would show.
std::map<std::string, std::string> snapshot(const std::string& root) {
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = entry.path().lexically_relative(root).string();
        const fs::file_status status = entry.symlink_status();
        if (fs::is_symlink(status)) {
            entries[name] = "link to " + fs::read_symlink(entry.path()).string();
        } else if (fs::is_regular_file(status)) {
            entries[name] = "file " + readBytes(entry.path().string());
        } else if (fs::is_directory(status)) {
            entries[name] = "directory";
        } else {
            entries[name] = "other";
        }
    }
    return entries;
}

struct stat statusOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status;
}

class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : saved_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(saved_); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

private:
    mode_t saved_;
};

TEST(ReplaceFile, FollowsLinksReplacesTheirFileAndKeepsThem) {
    // The links, each with its target as written ("@" for the test directory); the first
    // one is the path written to.
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> links;
        std::string file;  // what the links lead to
        bool createEmpty;  // createEmptyFile instead of a replace
    } cases[] = {
        {"absolute", {{"doit.pro", "@/real/doit.pro"}}, "real/doit.pro", false},
        {"relative", {{"sub/doit.pro", "../real/doit.pro"}}, "real/doit.pro", false},
        {"chain",
         {{"doit.pro", "sub/one.pro"},
          {"sub/one.pro", "@/sub/two.pro"},
          {"sub/two.pro", "../real/doit.pro"}},
         "real/doit.pro",
         false},
        {"dangling", {{"doit.pro", "real/new.pro"}}, "real/new.pro", false},
        {"dangling, created empty", {{"doit.pro", "real/new.pro"}}, "real/new.pro", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        fs::create_directory(dir.file("real"));
        fs::create_directory(dir.file("sub"));
        writeBytes(dir.file("real/doit.pro"), "old");
        for (const auto& [link, target] : c.links) {
            fs::create_symlink(target[0] == '@' ? dir.path() + target.substr(1) : target,
                               dir.file(link));
        }
        std::map<std::string, std::string> expected = snapshot(dir.path());
        const std::string content = c.createEmpty ? "" : "new\r\n";
        expected[c.file] = "file " + content;

        const std::string path = dir.file(c.links.front().first);
        const Result<> result =
            c.createEmpty ? createEmptyFile(path) : replaceFileBytes(path, content);

        ASSERT_TRUE(result.ok()) << texts::reasonOf(result);
        EXPECT_EQ(snapshot(dir.path()), expected) << "links unchanged, nothing else made";
    }
}

TEST(ReplaceFile, KeepsPermissionBitsAndGivesNewFilesTheUmaskMode) {
    const struct {
        const char* name;
        mode_t umask;
        std::optional<mode_t> old;  // none: no file yet
        bool viaLink;
        bool createEmpty;
        mode_t expected;
    } cases[] = {
        {"new", 022, std::nullopt, false, false, 0644},
        {"new, strict umask", 077, std::nullopt, false, false, 0600},
        {"new through a dangling link", 027, std::nullopt, true, false, 0640},
        {"created empty", 027, std::nullopt, false, true, 0640},
        {"kept", 022, 0640, false, false, 0640},
        {"kept though the umask would take bits", 022, 0666, false, false, 0666},
        {"kept, owner alone may write", 077, 0644, false, false, 0644},
        {"kept behind a link", 022, 0604, true, false, 0604},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string file = dir.file("config.pro");
        if (c.old) {
            writeBytes(file, "old");
            fs::permissions(file, static_cast<fs::perms>(*c.old));
        }
        std::string path = file;
        if (c.viaLink) {
            path = dir.file("link.pro");
            fs::create_symlink(file, path);
        }
        const ScopedUmask mask(c.umask);
        const Result<> result =
            c.createEmpty ? createEmptyFile(path) : replaceFileBytes(path, "new");
        ASSERT_TRUE(result.ok()) << texts::reasonOf(result);
        EXPECT_EQ(statusOf(file).st_mode & 07777, c.expected);
    }
}

TEST(ReplaceFile, KeepsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    TempDir dir;
    const std::string file = dir.file("config.pro");
    writeBytes(file, "old");
    ASSERT_EQ(::chown(file.c_str(), 12345, 23456), 0);
    // Set-group-ID survives only when the mode is set after the owner.
    ASSERT_EQ(::chmod(file.c_str(), 02750), 0);

    const Result<> result = replaceFileBytes(file, "new");

    ASSERT_TRUE(result.ok()) << texts::reasonOf(result);
    const struct stat status = statusOf(file);
    EXPECT_EQ(status.st_uid, 12345u);
    EXPECT_EQ(status.st_gid, 23456u);
    EXPECT_EQ(status.st_mode & 07777, 02750u);
    EXPECT_EQ(readBytes(file), "new");
}

// Every failure names the system's reason, creates nothing and leaves every file and link as
// it was; createEmptyFile fails alike.
TEST(ReplaceFile, FailuresAreReportedAndChangeNothing) {
    TempDir dir;
    writeBytes(dir.file("plain"), "a file");
    fs::create_directory(dir.file("folder"));
    fs::create_symlink(dir.file("missing/doit.pro"), dir.file("into-missing.pro"));
    fs::create_symlink("plain/doit.pro", dir.file("through-file.pro"));
    fs::create_symlink("loop-b.pro", dir.file("loop-a.pro"));
    fs::create_symlink("loop-a.pro", dir.file("loop-b.pro"));
    fs::create_symlink("folder", dir.file("to-folder.pro"));
    ASSERT_EQ(::mkfifo(dir.file("pipe.pro").c_str(), 0644), 0);
    fs::create_directory(dir.file("locked"));
    fs::permissions(dir.file("locked"), fs::perms::owner_read | fs::perms::owner_exec);

    struct Case {
        std::string path;
        std::string reason;
    };
    std::vector<Case> cases = {
        {"missing/doit.pro", "Datei oder Verzeichnis nicht gefunden"},
        {"into-missing.pro", "Datei oder Verzeichnis nicht gefunden"},
        {"plain/doit.pro", "Ist kein Verzeichnis"},
        {"through-file.pro", "Ist kein Verzeichnis"},
        {"loop-a.pro", "Zu viele Ebenen symbolischer Verknüpfungen"},
        {"folder", "Ist ein Verzeichnis"},
        {"to-folder.pro", "Ist ein Verzeichnis"},
        {"pipe.pro", "Die Operation wird nicht unterstützt"},
    };
    // Permission bits do not stop root.
    if (::geteuid() != 0) cases.push_back({"locked/doit.pro", "Keine Berechtigung"});

    const auto before = snapshot(dir.path());
    for (const Case& c : cases) {
        for (const bool createEmpty : {false, true}) {
            SCOPED_TRACE(c.path + (createEmpty ? " (created empty)" : ""));
            const std::string path = dir.file(c.path);
            const Result<> result =
                createEmpty ? createEmptyFile(path) : replaceFileBytes(path, "new");
            EXPECT_FALSE(result.ok());
            EXPECT_EQ(texts::reasonOf(result), c.reason);
            EXPECT_EQ(snapshot(dir.path()), before);
        }
    }
    fs::permissions(dir.file("locked"), fs::perms::owner_all);
}

TEST(FileRules, LinksInSharedDirectoriesAndWriteProtection) {
    const struct {
        std::uint32_t linkOwner, directoryOwner, directoryMode, follower;
        bool followed;
    } links[] = {
        {2, 0, 01777, 1, false},  // another user's link in /tmp
        {1, 0, 01777, 1, true},   // the follower's own
        {3, 3, 01777, 1, true},   // the directory owner's
        {2, 0, 00777, 1, true},   // not sticky
        {2, 0, 01775, 1, true},   // not writable by everyone
        {2, 3, 01777, 0, false},  // the superuser too
    };
    for (const auto& c : links) {
        EXPECT_EQ(linkMayBeFollowed(c.linkOwner, c.directoryOwner, c.directoryMode, c.follower),
                  c.followed)
            << c.linkOwner << " " << c.directoryOwner << " " << std::oct << c.directoryMode;
    }
    const struct {
        std::uint32_t mode, owner;
        bool inGroup;
        std::uint32_t user;
        bool protectedFile;
    } files[] = {
        {0444, 1, true, 1, true},  {0644, 1, false, 1, false},        {0464, 1, true, 2, false},
        {0644, 1, true, 2, true},  {0646, 1, false, 2, false},        {0444, 1, false, 0, true},
        {0400, 0, false, 0, true}, {0004 | 0020, 1, false, 0, false},
    };
    for (const auto& c : files) {
        EXPECT_EQ(isWriteProtected(c.mode, c.owner, c.inGroup, c.user), c.protectedFile)
            << std::oct << c.mode << std::dec << " " << c.owner << " " << c.user;
    }
}

// Only a dead write's own file goes: named as ours, regular, this user's, held by no one.
TEST(FileRules, WhatAKilledWriteLeftIsCleared) {
    const struct {
        std::string_view name;
        bool regular;
        std::uint32_t owner;
        bool held, left;
    } cases[] = {
        {".stapelwerk-0a1b2c3d4e5f.tmp", true, 1, false, true},
        {".stapelwerk-0a1b2c3d4e5f.tmp", true, 1, true, false},    // a running write's
        {".stapelwerk-0a1b2c3d4e5f.tmp", true, 2, false, false},   // another user's
        {".stapelwerk-0a1b2c3d4e5f.tmp", false, 1, false, false},  // a directory, a fifo
        {".stapelwerk-0A1B2C3D4E5F.tmp", true, 1, false, false},
        {".stapelwerk-0a1b2c3d4e5.tmp", true, 1, false, false},
        {".stapelwerk-0a1b2c3d4e5f.tmp~", true, 1, false, false},
        {"stapelwerk-0a1b2c3d4e5f.tmp", true, 1, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isLeftTemporary(c.name, c.regular, c.owner, 1, c.held), c.left)
            << c.name << " " << c.regular << " " << c.owner << " " << c.held;
    }
}

// Places that the system would let the program write to but that it refuses: nothing is
// changed and the reason says why.
TEST(ReplaceFile, RefusesForeignLinksInSharedDirectoriesProtectedFilesAndHardLinks) {
    TempDir dir;
    writeBytes(dir.file("notes.txt"), "notes");
    writeBytes(dir.file("protected.pro"), "old");
    fs::permissions(dir.file("protected.pro"), static_cast<fs::perms>(0444));
    writeBytes(dir.file("named-twice.pro"), "old");
    fs::create_hard_link(dir.file("named-twice.pro"), dir.file("other-name.pro"));
    std::vector<std::pair<std::string, std::string>> cases = {
        {"protected.pro", "Die Datei ist schreibgeschützt."},
        {"named-twice.pro", "Die Datei hat mehrere Namen (harte Links)"},
    };
    // Only root can give a link to another user.
    if (::geteuid() == 0) {
        fs::create_directory(dir.file("shared"));
        fs::permissions(dir.file("shared"), static_cast<fs::perms>(01777));
        fs::create_symlink(dir.file("notes.txt"), dir.file("shared/doit.pro"));
        ASSERT_EQ(::lchown(dir.file("shared/doit.pro").c_str(), 4242, 4242), 0);
        fs::create_symlink(dir.file("shared/doit.pro"), dir.file("chain.pro"));
        // Higher up the path: the user's own directory in its place.
        fs::create_directory(dir.file("home"));
        fs::create_symlink(dir.file("home"), dir.file("shared/out"));
        ASSERT_EQ(::lchown(dir.file("shared/out").c_str(), 4242, 4242), 0);
        cases.push_back(
            {"shared/doit.pro", "Der symbolische Link \"" + dir.file("shared/doit.pro")});
        cases.push_back({"chain.pro", "Der symbolische Link \"" + dir.file("shared/doit.pro")});
        cases.push_back(
            {"shared/out/doit.pro", "Der symbolische Link \"" + dir.file("shared/out")});
    }
    const auto before = snapshot(dir.path());
    for (const auto& [name, reason] : cases) {
        for (const bool createEmpty : {false, true}) {
            SCOPED_TRACE(name + (createEmpty ? " (created empty)" : ""));
            const std::string path = dir.file(name);
            const Result<> result =
                createEmpty ? createEmptyFile(path) : replaceFileBytes(path, "new");
            ASSERT_FALSE(result.ok());
            if (!createEmpty || name.ends_with("doit.pro") || name == "chain.pro") {
                EXPECT_EQ(texts::reasonOf(result).rfind(reason, 0), 0u) << texts::reasonOf(result);
            }
            EXPECT_EQ(snapshot(dir.path()), before);
        }
    }
}

// The ACL and the attributes of config.pro reach the new file and the backup; the group
// keeps "---" although the ACL's mask allows a named user to read.
TEST(ReplaceFile, KeepsTheAclAndExtendedAttributesInTheFileAndItsBackup) {
    TempDir dir;
    const std::string file = dir.file("config.pro");
    writeBytes(file, "old");
    if (!testing::giveAclAndNote(file)) GTEST_SKIP() << "no setfacl/setfattr, or no ACLs here";
    const std::string before = testing::aclAndNote(file);
    ReplaceStep failed = ReplaceStep::file;
    ASSERT_TRUE(updateFile(
                    file, [](ByteSink& sink, std::string_view) { sink.write("new"); },
                    file + ".bak", failed)
                    .ok());
    for (const std::string& path : {file, file + ".bak"}) {
        EXPECT_EQ(testing::aclAndNote(path), before) << path;
    }
}

// What is no regular file is refused at once and never opened: a FIFO without a writer would
// make the read wait for ever, /dev/zero read on until memory runs out.
TEST(ReadFileBytes, WhatIsNoRegularFileIsRefusedAtOnceAndSaidWhatItIs) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_symlink(dir.file("fifo"), dir.file("link-to-fifo"));
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = dir.file("socket");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    const struct {
        std::string path;
        std::string_view reason;
    } cases[] = {
        {dir.file("fifo"), texts::kReasonPipe},
        {dir.file("link-to-fifo"), texts::kReasonPipe},
        {"/dev/null", texts::kReasonCharacterDevice},
        {"/dev/zero", texts::kReasonCharacterDevice},
        {socketPath, texts::kReasonSocket},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const Result<std::string> read = readFileBytes(c.path);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.failure().kind, FailureKind::notAFile);
        EXPECT_EQ(texts::reasonOf(read), c.reason);
    }
    ::close(listener);
}

// A producer cut short, by a full disk or by an exception, leaves the old file (here behind a
// link) as it was and no temporary file beside it.
TEST(ReplaceFile, AProducerCutShortLeavesTheOldFile) {
    const std::string piece(300 * 1024, 'x');
    const std::string line = "mapkey(continued) ~ Activate `file_open` `Open`;\\\r\n";
    const auto produce = [&](ByteSink& sink) {
        for (int i = 0; i < 10; ++i) {
            sink.write(piece);
            for (int j = 0; j < 1000; ++j) sink.write(line);
        }
    };

    TempDir dir;
    fs::create_directory(dir.file("real"));
    writeBytes(dir.file("real/doit.pro"), "old doit.pro\r\n");
    fs::create_symlink("real/doit.pro", dir.file("doit.pro"));
    const auto before = snapshot(dir.path());

    {
        const testing::FileSizeLimit limit(1024 * 1024);
        const Result<> result = replaceFile(dir.file("doit.pro"), produce);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(texts::reasonOf(result), "Die Datei ist zu groß");
    }
    EXPECT_EQ(snapshot(dir.path()), before);

    EXPECT_THROW(replaceFile(dir.file("doit.pro"),
                             [&](ByteSink& sink) {
                                 produce(sink);
                                 throw std::runtime_error("out of entries");
                             }),
                 std::runtime_error);
    EXPECT_EQ(snapshot(dir.path()), before);
}

}  // namespace
}  // namespace stapelwerk
