// A job written, kept as a record and built again from it, as the window's opening and
// saving and the command line's run do.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/job.h"
#include "core/texts.h"
#include "support/TempDir.h"
#include "workflow/functions.h"
#include "workflow/job_files.h"
#include "workflow/recorded_job.h"

namespace stapelwerk::workflow {
namespace {

using testing::readBytes;
using testing::TempDir;

const BuildInputs kEveryFunction[] = {
    {.function = DoitFunction::saveAs},
    {.function = DoitFunction::mapkeyChain, .chain = "+;%bb;%00;"},
    {.function = DoitFunction::parameterDeletion, .parameterName = "gewicht"},
    {.function = DoitFunction::parameterAssignment,
     .parameterName = "MATERIAL",
     .values = {"S235", "", "GG 25"}},
};

Job builtJob(const std::string& directory, const BuildInputs& inputs) {
    Job job;
    job.outputDirectory = directory;
    job.workList.assign({{"welle.prt", true}, {"alt.prt", false}, {"bolzen.asm", true}});
    job.confirmedEntries = {"welle.prt", "bolzen.asm", "größe.drw"};
    EXPECT_TRUE(buildPendingText(job, inputs).ok());
    return job;
}

TEST(RecordedJob, AWrittenRecordBuildsTheSameDoitProForEveryFunction) {
    for (const BuildInputs& inputs : kEveryFunction) {
        SCOPED_TRACE(rowOf(inputs.function).command);
        const TempDir first;
        const TempDir second;
        ASSERT_TRUE(writeJobFiles(builtJob(first.path(), inputs)).record.ok());
        const Result<JobRecord> record = readJobRecordFile(jobRecordPath(first.path()));
        ASSERT_TRUE(record.ok()) << record.message();
        const Result<Job> again = recordedJob(*record, second.path());
        ASSERT_TRUE(again.ok()) << again.message();
        EXPECT_EQ(again->workList.selectedCount(), 3u) << "its entries, all marked";
        ASSERT_TRUE(writeJobFiles(*again).record.ok());
        EXPECT_EQ(readBytes(second.file("doit.pro")), readBytes(first.file("doit.pro")));
    }
}

TEST(RecordedJob, ASavedJobOpensWithItsWorkListMarksAndBuild) {
    const TempDir dir;
    for (const bool built : {true, false}) {
        SCOPED_TRACE(built);
        Job job = builtJob(dir.path(), kEveryFunction[3]);
        if (!built) {
            Job unbuilt;
            unbuilt.workList = job.workList;
            unbuilt.outputDirectory = dir.path();
            job = std::move(unbuilt);
        }
        const std::string path = dir.file("auftrag.stapel");
        ASSERT_TRUE(saveJob(job, path).ok());
        const Result<JobRecord> record = readJobRecordFile(path);
        ASSERT_TRUE(record.ok()) << record.message();
        EXPECT_EQ(recordedOutputDirectory(*record, path), dir.path());
        const Result<Job> opened = recordedJob(*record, dir.path());
        ASSERT_TRUE(opened.ok()) << opened.message();
        EXPECT_EQ(opened->workList.entries(), job.workList.entries());
        EXPECT_EQ(opened->confirmedEntries, job.confirmedEntries);
        EXPECT_EQ(opened->pendingText(), job.pendingText());
        EXPECT_EQ(opened->pendingInputs().values, job.pendingInputs().values);
    }
}

TEST(RecordedJob, ARecordBesideDoitProIsWrittenThere) {
    const TempDir dir;
    ASSERT_TRUE(writeJobFiles(builtJob(dir.path(), kEveryFunction[0])).record.ok());
    const std::string path = jobRecordPath(dir.path());
    EXPECT_EQ(recordedOutputDirectory(*readJobRecordFile(path), path), dir.path());
    EXPECT_EQ(recordDirectory("doit.stapel"), ".");
}

TEST(RecordedJob, ASaveThatCannotBeWrittenSaysSoAndKeepsTheFileBefore) {
    const TempDir dir;
    const std::string path = dir.file("nirgends/auftrag.stapel");
    const Result<> saved = saveJob(builtJob(dir.path(), kEveryFunction[0]), path);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.message(), texts::messageJobNotSaved(path, texts::reasonOf(saved)));
    EXPECT_FALSE(std::filesystem::exists(dir.file("nirgends")));
}

}  // namespace
}  // namespace stapelwerk::workflow
