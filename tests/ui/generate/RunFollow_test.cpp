// The window's side of the journal: the box, following the run, its result window and the
// rest, against the stand-in of the CAD system.

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableView>
#include <QTimer>
#include <filesystem>

#include "core/job_record.h"
#include "support/CadStandIn.h"
#include "ui/generate/RunResultDialog.h"
#include "ui/support/MainWindowFixture.h"

namespace stapelwerk {
namespace {

using testing::child;
using testing::readBytes;

class RunFollow : public testing::MainWindowFixture {
protected:
    // Three parts saved as, with the journal as the box says.
    void writeSaveAs(bool journal) {
        child<QCheckBox>(&window, "chk_journal")->setChecked(journal);
        confirmEntries("welle.prt\r\nbolzen.prt\r\nflansch.prt\r\n");
        child<QPushButton>(&window, "cmd_SaveAs")->click();
        child<QPushButton>(&window, "cmd_fcreate")->click();
        // The picture of the written file stands over the run's place; the run shows once it goes.
        if (auto* done = window.findChild<QWidget*>("frm_ok")) {
            EXPECT_FALSE(child<QWidget>(&window, "Frame_lauf")->isVisible());
            delete done;
        }
    }
    std::string doit() { return readBytes(output.file("doit.pro")); }
    std::string runId() { return job.pendingInputs().runId; }
    QString line() { return child<QLabel>(&window, "lbl_lauf")->text(); }

    RunResultDialog* openResult() {
        child<QPushButton>(&window, "cmd_ergebnis")->click();
        return window.findChild<RunResultDialog*>("frm_ergebnis");
    }
};

TEST_F(RunFollow, TheBoxIsRememberedAndPutsTheJournalIntoWhatIsWritten) {
    writeSaveAs(true);
    EXPECT_EQ(setting("Stapelwerk", "chk_journal.Value"), "1");
    EXPECT_NE(doit().find("@SYSTEM>>doit.journal echo " + runId() + " 3;"), std::string::npos);
    EXPECT_NE(readBytes(output.file("doit.stapel")).find("Journal: ein"), std::string::npos);

    writeSaveAs(false);
    EXPECT_EQ(setting("Stapelwerk", "chk_journal.Value"), "0");
    EXPECT_EQ(doit().find("@SYSTEM"), std::string::npos);
    EXPECT_NE(readBytes(output.file("doit.stapel")).find("Journal: aus"), std::string::npos);

    // Switched while a built mapkey waits: it is built again, without the steps.
    confirmEntries("welle.prt\r\n");
    child<QPushButton>(&window, "cmd_SaveAs")->click();
    child<QCheckBox>(&window, "chk_journal")->setChecked(false);
    EXPECT_FALSE(job.pendingInputs().journal);
    EXPECT_EQ(job.pendingText().find("@SYSTEM"), std::string::npos);
}

TEST_F(RunFollow, TheProgressFollowsTheJournalAndTellsWhereTheRunStands) {
    platform.settings[{"Stapelwerk", "Optionen", "JournalStillstandMinuten"}] = "3";
    writeSaveAs(true);
    auto* bar = child<QProgressBar>(&window, "bar_lauf");
    EXPECT_TRUE(child<QWidget>(&window, "Frame_lauf")->isVisible());
    EXPECT_EQ(line(), "Lauf " + testing::qs(runId()) +
                          ": 0 von 3 Einträgen durchlaufen – doit ist noch nicht gestartet.");
    auto* quiet = child<QTimer>(&window, "tmr_stillstand");
    EXPECT_FALSE(quiet->isActive()) << "before doit started, nothing stands";

    // The shell appends, as the steps do; the watcher sees each line.
    testing::writeBytes(output.file("doit.journal"), runId() + " start\r\n" + runId() + " 1\r\n");
    QTRY_COMPARE(line(), "1 von 3 Einträgen durchlaufen – zuletzt welle.prt");
    EXPECT_EQ(bar->maximum(), 3);
    EXPECT_EQ(bar->value(), 1);
    EXPECT_TRUE(quiet->isActive());
    EXPECT_EQ(quiet->interval(), 3 * 60 * 1000);

    quiet->start(0);  // the three minutes gone by
    QTRY_COMPARE(line(),
                 "Seit 3 Minuten kam keine Zeile ins Journal: Der Lauf scheint bei "
                 "Eintrag 2 zu stehen, bolzen.prt.");

    // The run goes on to its end: the results.
    testing::writeBytes(output.file("vorlage.prt.1"), "x");
    EXPECT_TRUE(testing::replayDoit(output.path()).ended);
    QTRY_COMPARE(line(), "Lauf " + testing::qs(runId()) + ": alle 3 Einträge erledigt.");
    EXPECT_EQ(bar->value(), 3);
    EXPECT_FALSE(quiet->isActive());
}

TEST_F(RunFollow, TheResultWindowCountsCopiesAndBuildsTheRestAfterAskingNoFirst) {
    writeSaveAs(true);
    const std::string first = runId();
    EXPECT_FALSE(testing::replayDoit(output.path(), {.crashAtFile = 2}).ended);
    RunResultDialog* result = openResult();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(child<QLabel>(result, "lbl_zahlen")->text(),
              "Lauf " + testing::qs(first) +
                  ": 1 von 3 Einträgen erledigt; 1 hier angehalten, 1 nicht erreicht.");
    const auto* table = child<QTableView>(result, "list_ergebnis");
    const QAbstractItemModel* rows = table->model();
    ASSERT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(table->currentIndex().row(), 1);  // the first not done
    EXPECT_EQ(rows->index(1, 1).data().toString(), "bolzen.prt");
    EXPECT_EQ(rows->index(1, 2).data().toString(), "hier angehalten");

    child<QPushButton>(result, "cmd_kopieren")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "bolzen.prt\nflansch.prt\n");

    // No: nothing is written.
    const std::string before = doit();
    platform.answers = {false};
    child<QPushButton>(result, "cmd_rest")->click();
    EXPECT_EQ(doit(), before);
    ASSERT_EQ(platform.questions.size(), 1u);

    // Yes: doit.pro of the rest, with the journal, as resume writes it.
    platform.answers = {false, true};
    child<QPushButton>(result, "cmd_rest")->click();
    EXPECT_EQ(job.confirmedEntries, (std::vector<std::string>{"bolzen.prt", "flansch.prt"}));
    EXPECT_NE(runId(), first);
    EXPECT_TRUE(job.pendingInputs().journal);
    EXPECT_EQ(doit(), job.pendingText() + "\r\n");
    EXPECT_TRUE(child<QCheckBox>(&window, "chk_journal")->isChecked());
    QTRY_COMPARE(line(), "Lauf " + testing::qs(runId()) +
                             ": 0 von 2 Einträgen durchlaufen – doit ist noch nicht gestartet.");
}

TEST_F(RunFollow, ARecordNotWrittenIsToldAndTheRunBeforeIsNotFollowed) {
    writeSaveAs(true);
    ASSERT_TRUE(child<QWidget>(&window, "Frame_lauf")->isVisible());
    // The record's place taken: doit.pro is written, its record is not.
    std::filesystem::remove(output.file("doit.stapel"));
    std::filesystem::create_directory(output.file("doit.stapel"));
    writeSaveAs(true);
    EXPECT_NE(doit().find(runId()), std::string::npos);
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_NE(platform.messages.back().find("der Auftrag"), std::string::npos);
    EXPECT_FALSE(child<QWidget>(&window, "Frame_lauf")->isVisible());
}

TEST_F(RunFollow, ReopenedTheWindowShowsTheLastRunAndADamagedRecordIsTold) {
    writeSaveAs(false);
    platform.settings[{"Stapelwerk", "Optionen", "txt_pro"}] = output.path();
    {
        Job again;
        MainWindow reopened(platform, again);
        reopened.show();
        EXPECT_EQ(
            child<QLabel>(&reopened, "lbl_lauf")->text(),
            "Lauf " + testing::qs(runId()) + ": 0 von 3 Einträgen erledigt; 3 keine neue Version.");
        EXPECT_TRUE(child<QPushButton>(&reopened, "cmd_ergebnis")->isVisible());
        // The work list stands over the panel: the status line tells of the run.
        EXPECT_EQ(child<QLineEdit>(&reopened, "lbl_status")->text(),
                  "Letzter Lauf: 0 von 3 – Ergebnis mit Alt+L");
        // Another output directory, another run: there none, back here this one.
        const testing::TempDir elsewhere;
        auto* directory = child<QLineEdit>(&reopened, "txt_pro");
        auto* settle = child<QTimer>(&reopened, "tmr_folgen");
        directory->setText(testing::qs(elsewhere.path()));
        settle->start(0);
        QTRY_VERIFY(!child<QWidget>(&reopened, "Frame_lauf")->isVisible());
        directory->setText(testing::qs(output.path()));
        settle->start(0);
        QTRY_VERIFY(child<QWidget>(&reopened, "Frame_lauf")->isVisible());
    }
    testing::writeBytes(output.file("doit.stapel"), "Stapelwerk-Auftrag 9\r\n");
    Job again;
    MainWindow reopened(platform, again);
    reopened.show();
    EXPECT_TRUE(child<QLabel>(&reopened, "lbl_lauf")->text().contains("Format 9"));
    EXPECT_FALSE(child<QPushButton>(&reopened, "cmd_ergebnis")->isVisible());
}

}  // namespace
}  // namespace stapelwerk
