// report and resume on a run that the stand-in of the CAD system replays; run on a job record.

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

TEST(BatchRun, RunWritesTheSameDoitProFromTheRecordForEveryFunction) {
    const std::vector<std::vector<std::string>> calls{
        {"save-as"},
        {"run-mapkeys", "+;%bb;%00;"},
        {"delete-parameter", "gewicht"},
        {"assign-parameter", "MATERIAL", "--values", "-"}};
    for (const std::vector<std::string>& call : calls) {
        SCOPED_TRACE(call[0]);
        const TempDir first;
        const TempDir second;
        const std::string list = first.file("liste.txt");
        testing::writeBytes(list, "welle.prt\nbolzen.asm\n");
        std::vector<std::string> arguments{"--no-locate", "-l", list, "-o", first.path()};
        arguments.insert(arguments.end(), call.begin(), call.end());
        ASSERT_EQ(run(arguments, "S235\nGG25\n").status, 0);
        const std::string written = testing::readBytes(first.file("doit.pro"));
        const std::string record = jobRecordPath(first.path());
        ASSERT_EQ(run({"-o", second.path(), "run", record}).status, 0);
        EXPECT_EQ(testing::readBytes(second.file("doit.pro")), written);
        EXPECT_TRUE(readJobRecord(second.path()).ok());
        ASSERT_EQ(run({"run", first.path()}).status, 0) << "a directory names its record";
        EXPECT_EQ(testing::readBytes(first.file("doit.pro")), written);
        ASSERT_EQ(run({"--journal", "run", first.path()}).status, 0);
        EXPECT_TRUE(readJobRecord(first.path())->head().journal);
    }
}

TEST(BatchRun, RunOfARecordItCannotUseWritesNothing) {
    const TempDir dir;
    const std::string record = jobRecordPath(dir.path());
    EXPECT_EQ(run({"run", record}).status, 2) << "not there";
    const std::pair<std::string, std::string> refused[] = {
        {"Stapelwerk-Auftrag 1\r\nLauf: ?\r\n", texts::messageJobRecordDamaged(record, 2)},
        {"Stapelwerk-Auftrag 7\r\n", texts::messageJobRecordNewer(record, "7", kJobRecordFormat)},
        {"Stapelwerk-Auftrag 2\r\nLauf: RUN42\r\nGeschrieben: 2026-12-10T03:14:15.123456789Z\r\n"
         "Funktion: keine\r\nJournal: aus\r\nEinträge: 0\r\nNr.\tEintrag\tDatei\r\n"
         "Ausgabeverzeichnis: /pro\r\nArbeitsliste: 1\r\nNr.\tMarkiert\tZeile\r\n"
         "1\tja\twelle.prt\r\n",
         texts::messageJobNotBuilt(record)},
    };
    for (const auto& [text, message] : refused) {
        testing::writeBytes(record, text);
        const Outcome outcome = run({"run", record});
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.err, message + "\n");
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(dir.file("doit.pro"))));
    }
}

}  // namespace
}  // namespace stapelwerk
