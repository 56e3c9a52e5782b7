// The last jobs written, kept in the user's data directory.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/job.h"
#include "support/TempDir.h"
#include "workflow/functions.h"
#include "workflow/job_files.h"
#include "workflow/job_history.h"

namespace stapelwerk::workflow {
namespace {

using testing::readBytes;
using testing::TempDir;

class JobHistoryTest : public ::testing::Test {
protected:
    // doit.pro for `count` entries, written and kept.
    void writeAndKeep(std::size_t count) {
        Job job;
        job.outputDirectory = output.path();
        for (std::size_t i = 0; i < count; ++i) job.confirmedEntries.append("teil.prt");
        ASSERT_TRUE(buildPendingText(job, {.function = DoitFunction::saveAs}).ok());
        ASSERT_TRUE(writeJobFiles(job, nullptr).record.ok());
        const Result<> kept = keepInJobHistory(data.path(), output.path(), job.pendingText());
        ASSERT_TRUE(kept.ok()) << kept.message();
    }
    std::size_t filesKept() const {
        const std::filesystem::path folder(jobHistoryDirectory(data.path()));
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                      std::filesystem::directory_iterator()));
    }

    TempDir output;
    TempDir data;
};

TEST_F(JobHistoryTest, KeepsTheLastWritesNewestFirstAndNoMore) {
    for (std::size_t count = 1; count <= kMostKeptJobs + 2; ++count) writeAndKeep(count);
    const std::vector<KeptJob> kept = jobHistory(data.path());
    ASSERT_EQ(kept.size(), kMostKeptJobs);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(kept[i].entryCount, kMostKeptJobs + 2 - i);
        EXPECT_EQ(kept[i].function, DoitFunction::saveAs);
    }
    EXPECT_EQ(filesKept(), 2 * kMostKeptJobs);
    EXPECT_EQ(readBytes(kept[0].doitPro), readBytes(output.file("doit.pro")));
    EXPECT_EQ(readBytes(kept[0].record), readBytes(output.file("doit.stapel")));
}

TEST_F(JobHistoryTest, ADamagedWriteIsLeftOutAndTheHistoryGoesOn) {
    writeAndKeep(1);
    writeAndKeep(2);
    testing::writeBytes(jobHistory(data.path())[1].record, "Stapelwerk-Auftrag 1\r\nLauf: ?\r\n");
    std::filesystem::remove(std::filesystem::path(jobHistory(data.path())[0].doitPro));
    writeAndKeep(3);
    const std::vector<KeptJob> kept = jobHistory(data.path());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].entryCount, 3u);
}

TEST_F(JobHistoryTest, WithoutADataDirectoryNothingIsKept) {
    EXPECT_TRUE(keepInJobHistory({}, output.path(), "").ok());
    EXPECT_TRUE(jobHistory({}).empty());
    EXPECT_FALSE(keepInJobHistory(data.path(), output.path(), "").ok()) << "nothing written there";
}

}  // namespace
}  // namespace stapelwerk::workflow
