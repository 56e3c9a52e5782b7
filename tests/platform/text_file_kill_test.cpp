#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/text_file.h"
#include "support/TempDir.h"

// A process killed while it replaces a file leaves the complete old file or the complete
// new one, and at most the temporary file of the write it was killed in.

namespace stapelwerk {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::writeBytes;

// Numbered mapkey lines of about `bytes` in all, so that any mix of two versions shows.
std::string mapkeyText(std::size_t bytes, const std::string& version) {
    std::string text;
    for (int line = 0; text.size() < bytes; ++line) {
        text += "mapkey(continued) ~ Activate `file_open` `" + version + std::to_string(line) +
                ".prt`;\\\r\n";
    }
    return text;
}

// The pieces the doit.pro writer hands over.
constexpr std::size_t kPiece = 1 << 20;

// Replaces `path` with `second`, `first`, `second`, ... until it is killed. Sends one byte
// down `progress` when it starts and one after every finished replace.
[[noreturn]] void replaceForever(const std::string& path, const std::string& first,
                                 const std::string& second, int progress) {
    const pid_t parent = ::getppid();
    if (::write(progress, "s", 1) != 1) ::_exit(2);
    for (bool toFirst = false;; toFirst = !toFirst) {
        const std::string_view bytes = toFirst ? first : second;
        const Result<> result = replaceFile(path, [&](ByteSink& sink) {
            for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
                sink.write(bytes.substr(at, kPiece));
            }
        });
        if (!result.ok()) ::_exit(1);
        // Never outlive the test.
        if (::write(progress, "r", 1) != 1 || ::getppid() != parent) ::_exit(2);
    }
}

class Replacer {
public:
    // Forks a process that replaces the file in a loop; returns once it runs.
    Replacer(const std::string& path, const std::string& first, const std::string& second) {
        int pipe[2];
        EXPECT_EQ(::pipe(pipe), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(pipe[0]);
            replaceForever(path, first, second, pipe[1]);
        }
        ::close(pipe[1]);
        progress_ = pipe[0];
        EXPECT_GT(pid_, 0);
        char started = 0;
        EXPECT_EQ(::read(progress_, &started, 1), 1) << "the replacing process did not start";
    }
    Replacer(const Replacer&) = delete;
    Replacer& operator=(const Replacer&) = delete;
    ~Replacer() { kill(); }

    // Waits until `count` replaces have finished, or with -1 until the process has ended;
    // gives how many did.
    int awaitReplaces(int count) {
        int finished = 0;
        char byte = 0;
        while (finished != count && ::read(progress_, &byte, 1) == 1) ++finished;
        return finished;
    }

    // Kills the process with SIGKILL; gives the replaces it finished, or -1 when it had
    // ended on its own because a replace failed.
    int kill() {
        if (pid_ <= 0) return -1;
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        const int finished = awaitReplaces(-1);
        ::close(progress_);
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL ? finished : -1;
    }

private:
    pid_t pid_ = -1;
    int progress_ = -1;
};

// Whether the file holds exactly `one` or exactly `other`. Read in blocks: a fresh copy of
// megabytes each round would stay with the sanitizer, which keeps freed memory for a while,
// and make every fork dearer.
bool holdsOneOf(const std::string& path, std::string_view one, std::string_view other) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    bool isOne = true;
    bool isOther = true;
    std::size_t at = 0;
    char block[65536];
    std::size_t count = 0;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0) {
        const std::string_view read(block, count);
        isOne = isOne && one.substr(std::min(at, one.size()), count) == read;
        isOther = isOther && other.substr(std::min(at, other.size()), count) == read;
        at += count;
    }
    std::fclose(file);
    return (isOne && at == one.size()) || (isOther && at == other.size());
}

// Kills a process that replaces the file at random moments from `seed`, `rounds` times, and
// checks the file and the directory after every kill. The moments spread over two replaces
// of the time one takes on this machine, so that every step of a replace gets hit, on a fast
// machine and under a sanitizer alike.
void killWhileReplacing(const std::string& first, const std::string& second, unsigned seed,
                        int rounds) {
    TempDir dir;
    const std::string path = dir.file("doit.pro");
    writeBytes(path, first);

    std::chrono::steady_clock::duration oneReplace{};
    {
        Replacer replacer(path, first, second);
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(replacer.awaitReplaces(4), 4);
        oneReplace = (std::chrono::steady_clock::now() - start) / 4;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(dir.path())) {
        if (entry.path() != path) fs::remove(entry.path());
    }

    std::mt19937 random(seed);
    std::uniform_int_distribution<std::chrono::steady_clock::rep> moment(0, 2 * oneReplace.count());
    int interrupted = 0;
    int finished = 0;
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        int replaces = 0;
        {
            Replacer replacer(path, first, second);
            std::this_thread::sleep_for(std::chrono::steady_clock::duration(moment(random)));
            replaces = replacer.kill();
        }
        ASSERT_GE(replaces, 0) << "a replace failed";
        finished += replaces;

        ASSERT_TRUE(holdsOneOf(path, first, second)) << "a mixed file";
        std::vector<fs::path> leftovers;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir.path())) {
            if (entry.path() != path) leftovers.push_back(entry.path());
        }
        ASSERT_LE(leftovers.size(), 1u);
        interrupted += static_cast<int>(leftovers.size());
        for (const fs::path& leftover : leftovers) fs::remove(leftover);
    }
    // Both kinds of moment were hit: the test did kill writes, and writes did get through.
    EXPECT_GT(interrupted, 0);
    EXPECT_GT(finished, 0);
}

TEST(ReplaceFileKilled, ALargeFileIsAlwaysWholeOldOrWholeNew) {
    killWhileReplacing(mapkeyText(3 << 20, "first"), mapkeyText(2 << 20, "second"), 1, 200);
}

TEST(ReplaceFileKilled, ASmallFileIsAlwaysWholeOldOrWholeNew) {
    killWhileReplacing(mapkeyText(2000, "first"), mapkeyText(2600, "second"), 2, 200);
}

}  // namespace
}  // namespace stapelwerk
