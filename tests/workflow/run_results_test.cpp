// The results of runs that the stand-in of the CAD system replays: told from the job
// record, the journal and the files on disk, then resumed.

#include <gtest/gtest.h>

#include "core/job.h"
#include "core/texts.h"
#include "generate/doit_builder.h"
#include "params/parameter_tails.h"
#include "support/CadStandIn.h"
#include "support/TempDir.h"
#include "workflow/functions.h"
#include "workflow/job_files.h"
#include "workflow/resume.h"
#include "workflow/run_watch.h"

namespace stapelwerk::workflow {
namespace {

using testing::readBytes;
using testing::replayDoit;
using testing::WhenMissing;

const std::vector<std::string> kParts{"a.prt", "b.prt", "c.prt", "d.prt", "e.prt"};

class RunResultsTest : public ::testing::Test {
protected:
    // Each model but those named, in its first version.
    void modelsBut(const std::vector<std::string>& missing = {}) {
        for (const std::string& part : kParts) {
            if (std::find(missing.begin(), missing.end(), part) == missing.end())
                testing::writeBytes(dir.file(part + ".1"), "x");
        }
    }

    // doit.pro and its record, written as the window and the command line write them.
    void write(Job& job, BuildInputs inputs) {
        ASSERT_TRUE(buildPendingText(job, std::move(inputs)).ok());
        const JobWrite written = writeJobFiles(job, nullptr);
        ASSERT_TRUE(written.doitPro.ok() && written.record.ok()) << written.record.message();
    }
    Job job(const std::vector<std::string>& entries = kParts) {
        Job made;
        made.outputDirectory = dir.path();
        made.confirmedEntries = entries;
        return made;
    }

    // A letter an entry: d done, n no new version, S stopped here, r not reached, ? unknown.
    std::string results() {
        const Result<RunWatch> watch = RunWatch::open(dir.path());
        EXPECT_TRUE(watch.ok()) << watch.message();
        if (!watch) return {};
        std::string letters;
        for (const EntryResult result : watch->results().results)
            letters += "dnSr?"[static_cast<int>(result)];
        return letters;
    }

    Result<> resume(Job& resumed) {
        const Result<RunWatch> watch = RunWatch::open(dir.path());
        if (!watch) return watch.failure();
        Result<> built = buildRemainingJob(resumed, watch->record(), watch->results());
        if (built) {
            EXPECT_TRUE(writeJobFiles(resumed, nullptr).record.ok());
        }
        return built;
    }

    testing::TempDir dir;
};

TEST_F(RunResultsTest, ARunThatStopsAtAMissingFileResumesThere) {
    modelsBut({"c.prt"});
    Job first = job();
    write(
        first,
        {.function = DoitFunction::parameterDeletion, .parameterName = "gewicht", .journal = true});
    EXPECT_EQ(replayDoit(dir.path()).stoppedAt, "c.prt");
    EXPECT_EQ(results(), "ddSrr");
    modelsBut({"a.prt", "b.prt", "d.prt", "e.prt"});
    EXPECT_EQ(results(), "ddSrr") << "a missing file put there since is no save";

    Job resumed;
    resumed.outputDirectory = dir.path();
    ASSERT_TRUE(resume(resumed).ok());
    const std::vector<std::string> rest{"c.prt", "d.prt", "e.prt"};
    EXPECT_EQ(resumed.confirmedEntries, rest);
    EXPECT_NE(resumed.pendingInputs().runId, first.pendingInputs().runId);
    const BuiltText expected = buildOpenAndApply(rest, *deletionTail("GEWICHT"),
                                                 JournalSteps(resumed.pendingInputs().runId));
    EXPECT_EQ(readBytes(dir.file("doit.pro")), *expected + "\r\n");

    EXPECT_TRUE(replayDoit(dir.path()).ended);
    EXPECT_EQ(results(), "ddd");
    Job nothing;
    EXPECT_EQ(resume(nothing).message(),
              texts::messageNothingToResume(3, resumed.pendingInputs().runId));
}

TEST_F(RunResultsTest, ARunThatPassesOverAMissingFileSavesNoNewVersionOfIt) {
    modelsBut({"c.prt"});
    Job first = job({"a.prt", "b.prt", "c.prt", "d.prt"});
    write(first, {.function = DoitFunction::parameterAssignment,
                  .parameterName = "MATERIAL",
                  .values = {"S235", "S355", "GG25", "CuZn"},
                  .journal = true});
    EXPECT_TRUE(replayDoit(dir.path(), {.whenMissing = WhenMissing::passOver}).ended);
    EXPECT_EQ(results(), "ddnd");

    Job resumed;
    resumed.outputDirectory = dir.path();
    ASSERT_TRUE(resume(resumed).ok());
    EXPECT_EQ(resumed.confirmedEntries, std::vector<std::string>{"c.prt"});
    EXPECT_EQ(resumed.pendingInputs().values, std::vector<std::string>{"GG25"});
    const Result<RunWatch> watch = RunWatch::open(dir.path());
    ASSERT_TRUE(watch.ok());
    EXPECT_EQ(watch->record().value(0), "GG25") << "each value stays with its part";
    EXPECT_NE(readBytes(dir.file("doit.pro")).find("MATERIAL;GG25;"), std::string::npos);
}

TEST_F(RunResultsTest, ARunThatEndsEarlyStopsWhereItCrashed) {
    Job saveAs = job();
    write(saveAs, {.function = DoitFunction::saveAs, .journal = true});
    EXPECT_FALSE(replayDoit(dir.path(), {.crashAtFile = 3}).ended);
    EXPECT_EQ(results(), "ddSrr");
}

TEST_F(RunResultsTest, ARunStartedTwiceCountsItsLaterLines) {
    modelsBut({"c.prt"});
    Job first = job();
    write(first, {.function = DoitFunction::mapkeyChain, .chain = "ds", .journal = true});
    EXPECT_EQ(replayDoit(dir.path()).stoppedAt, "c.prt");
    EXPECT_EQ(results(), "ddSrr");
    modelsBut();
    EXPECT_FALSE(replayDoit(dir.path(), {.crashAtFile = 4}).ended);
    EXPECT_EQ(results(), "dddSr");
    EXPECT_TRUE(replayDoit(dir.path()).ended);
    EXPECT_EQ(results(), "ddddd");
}

TEST_F(RunResultsTest, ANewerWriteIgnoresTheJournalOfTheOlder) {
    modelsBut();
    Job first = job();
    write(first, {.function = DoitFunction::mapkeyChain, .chain = "ds", .journal = true});
    EXPECT_TRUE(replayDoit(dir.path()).ended);
    EXPECT_EQ(results(), "ddddd");
    Job second = job();
    write(second, {.function = DoitFunction::mapkeyChain, .chain = "ds", .journal = true});
    EXPECT_EQ(results(), "?????") << "the chain saves nothing, and no line is of this run";

    Job deletion = job();
    write(deletion,
          {.function = DoitFunction::parameterDeletion, .parameterName = "X", .journal = true});
    EXPECT_EQ(results(), "nnnnn") << "versions older than the write are none of its";
}

TEST_F(RunResultsTest, WithoutAJournalTheFilesAloneTell) {
    modelsBut({"c.prt"});
    Job deletion = job();
    write(deletion, {.function = DoitFunction::parameterDeletion, .parameterName = "X"});
    EXPECT_TRUE(replayDoit(dir.path(), {.whenMissing = WhenMissing::passOver}).ended);
    EXPECT_EQ(results(), "ddndd");
    const Result<RunWatch> watch = RunWatch::open(dir.path());
    ASSERT_TRUE(watch.ok());
    EXPECT_EQ(watch->notes(watch->results()),
              std::vector<std::string>{texts::reportJournalOff(deletion.pendingInputs().runId)});

    Job chain = job();
    write(chain, {.function = DoitFunction::mapkeyChain, .chain = "ds"});
    EXPECT_TRUE(replayDoit(dir.path(), {.whenMissing = WhenMissing::passOver}).ended);
    EXPECT_EQ(results(), "?????");
}

TEST_F(RunResultsTest, TheWatchFollowsTheJournalAsItGrows) {
    modelsBut();
    Job chain = job();
    write(chain, {.function = DoitFunction::mapkeyChain, .chain = "ds", .journal = true});
    Result<RunWatch> watch = RunWatch::open(dir.path());
    ASSERT_TRUE(watch.ok());
    EXPECT_FALSE(*watch->readJournal());
    EXPECT_FALSE(watch->journal().heard());

    replayDoit(dir.path(), {.crashAtFile = 4});
    EXPECT_TRUE(*watch->readJournal());
    EXPECT_EQ(watch->journal().passedCount(), 3u);
    EXPECT_EQ(watch->record().entry(*watch->journal().latest()), "c.prt");
    EXPECT_FALSE(*watch->readJournal()) << "no line came since";

    // A journal begun anew is read from its start.
    testing::writeBytes(watch->journalPath(), chain.pendingInputs().runId + " 5\n");
    EXPECT_TRUE(*watch->readJournal());
    EXPECT_EQ(watch->journal().passedCount(), 1u);
    EXPECT_EQ(watch->journal().latest(), 4u);
}

}  // namespace
}  // namespace stapelwerk::workflow
