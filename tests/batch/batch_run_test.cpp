// report and resume on a run that the stand-in of the CAD system replays.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "batch/run_batch.h"
#include "core/job_record.h"
#include "core/texts.h"
#include "support/CadStandIn.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using testing::TempDir;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> arguments, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runBatch(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(BatchRun, ReportTellsWhatIsNotDoneAndResumeWritesIt) {
    const TempDir dir;
    for (const char* part : {"a.prt.1", "b.prt.1", "d.prt.1"})
        testing::writeBytes(dir.file(part), "x");
    ASSERT_EQ(run({"-o", dir.path(), "--journal", "delete-parameter", "gewicht"},
                  "a.prt\nb.prt\nc.prt\nd.prt\n")
                  .status,
              0);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(jobRecordPath(dir.path()))));
    EXPECT_EQ(testing::replayDoit(dir.path()).stoppedAt, "c.prt");

    const Outcome report = run({"-o", dir.path(), "report"});
    EXPECT_EQ(report.status, 1);
    const std::string runId = readJobRecord(dir.path())->head().runId;
    EXPECT_EQ(report.out,
              "3\thier angehalten\tc.prt\n4\tnicht erreicht\td.prt\n"
              "Lauf " +
                  runId +
                  ": 2 von 4 Einträgen erledigt; 1 hier angehalten, "
                  "1 nicht erreicht.\n");
    EXPECT_EQ(report.err, "");

    testing::writeBytes(dir.file("c.prt.1"), "x");
    ASSERT_EQ(run({"-o", dir.path(), "resume"}).status, 0);
    EXPECT_TRUE(testing::replayDoit(dir.path()).ended);
    const Outcome done = run({"-o", dir.path(), "report"});
    EXPECT_EQ(done.status, 0);
    EXPECT_EQ(done.out,
              "Lauf " + readJobRecord(dir.path())->head().runId + ": alle 2 Einträge erledigt.\n");
    const Outcome nothing = run({"-o", dir.path(), "resume"});
    EXPECT_EQ(nothing.status, 1);
    EXPECT_NE(nothing.err.find("es bleibt nichts zu tun"), std::string::npos) << nothing.err;
}

TEST(BatchRun, ReportWithoutARecordToReportOnExitsTwo) {
    const TempDir dir;
    const Outcome none = run({"-o", dir.path(), "report"});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err, texts::messageNoJobRecord(dir.path()) + "\n");
    testing::writeBytes(jobRecordPath(dir.path()), "Stapelwerk-Auftrag 1\r\nLauf: ?\r\n");
    const Outcome damaged = run({"-o", dir.path(), "report"});
    EXPECT_EQ(damaged.status, 2);
    EXPECT_EQ(damaged.err, texts::messageJobRecordDamaged(jobRecordPath(dir.path()), 2) + "\n");
    EXPECT_EQ(run({"-o", dir.path(), "resume"}).status, 1);
}

}  // namespace
}  // namespace stapelwerk
