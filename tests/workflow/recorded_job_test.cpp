// A job kept as a record and built again from it, as the window's opening and saving do.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/job.h"
#include "core/texts.h"
#include "support/TempDir.h"
#include "workflow/functions.h"
#include "workflow/recorded_job.h"

namespace stapelwerk::workflow {
namespace {

using testing::TempDir;

const BuildInputs kAssignment{.function = DoitFunction::parameterAssignment,
                              .parameterName = "MATERIAL",
                              .values = {"S235", "", "GG 25"}};

Job builtJob(const std::string& directory, const BuildInputs& inputs) {
    Job job;
    job.outputDirectory = directory;
    job.workList.assign({{"welle.prt", true}, {"alt.prt", false}, {"bolzen.asm", true}});
    job.confirmedEntries = {"welle.prt", "bolzen.asm", "größe.drw"};
    EXPECT_TRUE(buildPendingText(job, inputs).ok());
    return job;
}

TEST(RecordedJob, ASavedJobOpensWithItsWorkListMarksAndBuild) {
    const TempDir dir;
    for (const bool built : {true, false}) {
        SCOPED_TRACE(built);
        Job job = builtJob(dir.path(), kAssignment);
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

TEST(RecordedJob, ASaveThatCannotBeWrittenSaysSoAndKeepsTheFileBefore) {
    const TempDir dir;
    const std::string path = dir.file("nirgends/auftrag.stapel");
    const Result<> saved = saveJob(builtJob(dir.path(), kAssignment), path);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.message(), texts::messageJobNotSaved(path, texts::reasonOf(saved)));
    EXPECT_FALSE(std::filesystem::exists(dir.file("nirgends")));
}

}  // namespace
}  // namespace stapelwerk::workflow
