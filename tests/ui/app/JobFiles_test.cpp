// Jobs opened and saved in the window ("Auftrag öffnen…", "Auftrag speichern unter…").

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <filesystem>

#include "core/job_record.h"
#include "core/texts.h"
#include "ui/support/MainWindowFixture.h"
#include "ui/widgets/QtText.h"
#include "workflow/functions.h"
#include "workflow/job_files.h"

namespace stapelwerk {
namespace {

using testing::child;
using testing::readBytes;
using testing::TempDir;

class JobFilesTest : public testing::MainWindowFixture {
protected:
    // The shortcut, as the keyboard gives it, with `path` chosen in the file dialog.
    void press(const QKeySequence& keys, const std::string& path) {
        platform.filesChosen.resize(platform.fileChoices.size());
        platform.filesChosen.push_back(path);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QWidget* focused = QApplication::focusWidget();
        QTest::keySequence(focused != nullptr ? focused : &window, keys);
    }
    void open(const std::string& path) { press(QKeySequence::Open, path); }
    void save(const std::string& path) {
        press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), path);
    }

    // Writes with the window's button, once the look-up of the files has ended, also where
    // the check finds something.
    void write() {
        auto* button = child<QPushButton>(&window, "cmd_fcreate");
        button->click();
        EXPECT_TRUE(QTest::qWaitFor([&] {
            if (QDialog* findings = dialog("frm_pruefung")) {
                child<QPushButton>(findings, "cmd_trotzdem")->click();
            }
            return button->isHidden();
        }));
    }
};

TEST_F(JobFilesTest, AJobOpenedFromItsRecordWritesTheSameDoitProForEveryFunction) {
    const BuildInputs everyFunction[] = {
        {.function = DoitFunction::saveAs},
        {.function = DoitFunction::mapkeyChain, .chain = "+;%bb;%00;"},
        {.function = DoitFunction::parameterDeletion, .parameterName = "gewicht"},
        {.function = DoitFunction::parameterAssignment,
         .parameterName = "MATERIAL",
         .values = {"S235", "GG 25"}},
    };
    for (const BuildInputs& inputs : everyFunction) {
        SCOPED_TRACE(rowOf(inputs.function).command);
        const TempDir dir;
        Job before;
        before.outputDirectory = dir.path();
        before.confirmedEntries = {"welle.prt", "bolzen.asm"};
        ASSERT_TRUE(workflow::buildPendingText(before, inputs).ok());
        ASSERT_TRUE(workflow::writeJobFiles(before, nullptr).record.ok());
        const std::string written = readBytes(dir.file("doit.pro"));
        std::filesystem::remove(std::filesystem::path(dir.file("doit.pro")));

        open(jobRecordPath(dir.path()));
        ASSERT_TRUE(child<QPushButton>(&window, "cmd_fcreate")->isVisible());
        EXPECT_EQ(job.outputDirectory, dir.path());
        write();
        EXPECT_EQ(readBytes(dir.file("doit.pro")), written);
        EXPECT_TRUE(platform.messages.empty());
    }
    EXPECT_EQ(platform.fileQuestions.back().title, texts::kOpenJobTitle);
}

TEST_F(JobFilesTest, ASavedJobOpensAsItWasSavedBuiltOrNot) {
    confirmEntries("welle.prt\r\nbolzen.prt\r\n");
    const std::string unbuilt = output.file("vorher.stapel");
    save(unbuilt);
    child<QPushButton>(&window, "cmd_SaveAs")->click();
    const std::string built = output.file("auftrag.stapel");
    save(built);
    ASSERT_EQ(platform.fileQuestions.size(), 2u);
    EXPECT_TRUE(platform.fileQuestions[0].toSave);
    EXPECT_EQ(platform.fileQuestions[0].directory, output.path()) << "starts where doit.pro goes";
    const WorkEntries lines = job.workList.entries();
    const std::string text = job.pendingText();
    write();

    confirmEntries("anders.prt\r\n");
    open(built);
    EXPECT_EQ(job.workList.entries(), lines);
    EXPECT_EQ(job.pendingText(), text);
    EXPECT_TRUE(child<QPushButton>(&window, "cmd_fcreate")->isVisible());
    write();

    open(unbuilt);
    EXPECT_EQ(job.workList.entries(), lines);
    EXPECT_TRUE(child<QWidget>(&window, "Frame3")->isVisible()) << "the list, to confirm";
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(JobFilesTest, ADamagedOrNewerRecordChangesNothing) {
    confirmEntries("welle.prt\r\n");
    const WorkEntries lines = job.workList.entries();
    const std::string path = output.file("kaputt.stapel");
    for (const std::string bytes :
         {"Stapelwerk-Auftrag 1\r\nLauf: ?\r\n", "Stapelwerk-Auftrag 9\r\n"}) {
        testing::writeBytes(path, bytes);
        open(path);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_NE(platform.messages[0].find(path), std::string::npos) << platform.messages[0];
        platform.messages.clear();
        EXPECT_EQ(job.workList.entries(), lines);
        EXPECT_EQ(job.confirmedEntries, std::vector<std::string>{"welle.prt"});
    }
}

TEST_F(JobFilesTest, TheLastJobsAreListedOpenedAndLookedAt) {
    const TempDir data;
    platform.dataDir = data.path();
    confirmEntries("welle.prt\r\nbolzen.prt\r\n");
    child<QPushButton>(&window, "cmd_SaveAs")->click();
    const std::string text = job.pendingText();
    write();
    confirmEntries("anders.prt\r\n");
    child<QPushButton>(&window, "cmd_SaveAs")->click();
    write();

    for (QAction* action : window.actions()) {
        if (action->text() == qt(texts::kRecentJobs)) action->trigger();
    }
    QDialog* recent = dialog("frm_auftraege");
    ASSERT_NE(recent, nullptr);
    auto* list = child<QListWidget>(recent, "list_auftraege");
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().endsWith("save-as, 1 Eintrag"))
        << list->item(0)->text().toStdString();
    list->setCurrentRow(1);
    child<QPushButton>(recent, "cmd_ansehen")->click();
    QDialog* preview = dialog("frm_preview");
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(child<QLabel>(preview, "lbl_summary")->text().contains("2")) << "its two entries";
    child<QPushButton>(recent, "cmd_oeffnen")->click();
    EXPECT_EQ(job.pendingText(), text);
    EXPECT_TRUE(child<QPushButton>(&window, "cmd_fcreate")->isVisible());
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace stapelwerk
