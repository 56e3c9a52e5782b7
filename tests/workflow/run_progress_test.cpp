// What the window shows of a run, through the stages of one that the stand-in replays.

#include "workflow/run_progress.h"

#include <gtest/gtest.h>

#include "core/job.h"
#include "support/CadStandIn.h"
#include "support/TempDir.h"
#include "workflow/functions.h"
#include "workflow/job_files.h"

namespace stapelwerk::workflow {
namespace {

TEST(RunProgressTest, WaitingPassingStandingAndEnded) {
    testing::TempDir dir;
    Job job;
    job.outputDirectory = dir.path();
    job.confirmedEntries = {"welle.prt", "bolzen.prt", "Flansch.prt"};
    testing::writeBytes(dir.file("welle.prt.1"), "x");
    testing::writeBytes(dir.file("flansch.prt.4"), "x");
    ASSERT_TRUE(buildPendingText(
                    job, {.function = DoitFunction::mapkeyChain, .chain = "ds", .journal = true})
                    .ok());
    ASSERT_TRUE(writeJobFiles(job, nullptr).record.ok());
    const std::string run = job.pendingInputs().runId;
    Result<RunWatch> watch = RunWatch::open(dir.path());
    ASSERT_TRUE(watch.ok()) << watch.message();

    RunProgress progress = progressOf(*watch);
    EXPECT_EQ(progress.text,
              "Lauf " + run + ": 0 von 3 Einträgen durchlaufen – doit ist noch nicht gestartet.");
    EXPECT_TRUE(progress.running);
    EXPECT_FALSE(progress.standsWhenQuiet);

    // bolzen.prt is missing: the run stops there; the stand names the file found for the
    // next entry where there is one, else the entry.
    EXPECT_EQ(testing::replayDoit(dir.path()).stoppedAt, "bolzen.prt");
    ASSERT_TRUE(watch->readJournal().ok());
    progress = progressOf(*watch);
    EXPECT_EQ(progress.text, "1 von 3 Einträgen durchlaufen – zuletzt welle.prt");
    EXPECT_EQ(progress.reached, 1u);
    EXPECT_TRUE(progress.standsWhenQuiet);
    EXPECT_EQ(standingText(*watch, 10),
              "Seit 10 Minuten kam keine Zeile ins Journal: Der Lauf scheint bei Eintrag 2 zu "
              "stehen, bolzen.prt.");
    EXPECT_EQ(namesNotDone(watch->record(), watch->results()), "bolzen.prt\nFlansch.prt\n");

    testing::writeBytes(dir.file("bolzen.prt.1"), "x");
    EXPECT_TRUE(testing::replayDoit(dir.path()).ended);
    ASSERT_TRUE(watch->readJournal().ok());
    progress = progressOf(*watch);
    EXPECT_FALSE(progress.running);
    EXPECT_EQ(progress.text, "Lauf " + run + ": alle 3 Einträge erledigt.");
    EXPECT_EQ(progress.reached, 3u);
}

TEST(RunProgressTest, AllPassedWithoutItsEndStandsAtTheEnd) {
    testing::TempDir dir;
    Job job;
    job.outputDirectory = dir.path();
    job.confirmedEntries = {"welle.prt"};
    ASSERT_TRUE(buildPendingText(job, {.function = DoitFunction::saveAs, .journal = true}).ok());
    ASSERT_TRUE(writeJobFiles(job, nullptr).record.ok());
    testing::writeBytes(dir.file("doit.journal"), job.pendingInputs().runId + " 1\n");
    Result<RunWatch> watch = RunWatch::open(dir.path());
    ASSERT_TRUE(watch.ok());
    EXPECT_EQ(standingText(*watch, 1),
              "Seit 1 Minuten kam keine Zeile ins Journal: Alle 1 Einträge sind durchlaufen, doit "
              "kam aber nicht an sein Ende.");
}

TEST(RunProgressTest, QuietMinutesOutsideOneToADayReadAsTen) {
    const std::pair<const char*, int> cases[] = {
        {"3", 3},     {"1440", 1440}, {"", 10},    {"0", 10},    {"-5", 10},
        {"1441", 10}, {"5 ", 10},     {"2.5", 10}, {"zehn", 10}, {"99999999999", 10},
    };
    for (const auto& [setting, minutes] : cases)
        EXPECT_EQ(quietMinutes(setting), minutes) << setting;
}

TEST(RunProgressTest, SwitchingTheJournalBuildsThePendingTextAgainOnlyWhereItChanges) {
    Job job;
    EXPECT_TRUE(switchJournal(job, true).ok());
    EXPECT_TRUE(job.pendingText().empty()) << "nothing pending, nothing built";

    job.confirmedEntries = {"welle.prt"};
    ASSERT_TRUE(buildPendingText(
                    job, {.function = DoitFunction::parameterDeletion, .parameterName = "gewicht"})
                    .ok());
    const std::string without = job.pendingText();
    ASSERT_TRUE(switchJournal(job, true).ok());
    EXPECT_TRUE(job.pendingInputs().journal);
    EXPECT_EQ(job.pendingInputs().parameterName, "GEWICHT");
    EXPECT_NE(job.pendingText().find("@SYSTEM"), std::string::npos);
    const std::string run = job.pendingInputs().runId;
    ASSERT_TRUE(switchJournal(job, true).ok());
    EXPECT_EQ(job.pendingInputs().runId, run) << "already so: not built again";
    ASSERT_TRUE(switchJournal(job, false).ok());
    EXPECT_EQ(job.pendingText(), without);
}

}  // namespace
}  // namespace stapelwerk::workflow
