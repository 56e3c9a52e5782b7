#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "core/function_table.h"
#include "core/job_record.h"
#include "core/texts.h"
#include "generate/doit_builder.h"
#include "ui/app/MainWindow.h"
#include "ui/support/MainWindowFixture.h"
#include "ui/support/widgets.h"
#include "ui/widgets/ListTextDelegate.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/twips.h"

namespace stapelwerk {
namespace {

using testing::child;
using testing::readBytes;
using testing::sendMouse;

class MainWindowTest : public testing::MainWindowFixture {
protected:
    void click(const char* button) { child<QPushButton>(&window, button)->click(); }
    void clickPicture(const char* picture) {
        QTest::mouseClick(child<PictureButton>(&window, picture), Qt::LeftButton);
    }
    QWidget* widget(const char* name) { return child<QWidget>(&window, name); }
    QString status() { return child<QLineEdit>(&window, "lbl_status")->text(); }
};

TEST_F(MainWindowTest, PasteConfirmSaveAsAndWrite) {
    confirmEntries("Name\r\nwelle.drw.2\r\nflansch.drw\r\nwelle.drw.3\r\n");
    EXPECT_EQ(job.confirmedEntries, (std::vector<std::string>{"welle.drw", "flansch.drw"}));
    EXPECT_EQ(status(), "2 Dateien gewählt. Mapkey kann nun erstellt werden.");
    EXPECT_EQ(child<QLabel>(&window, "lbl_count")->text(), "2");
    EXPECT_TRUE(widget("Frame3")->isHidden());
    EXPECT_TRUE(widget("Frame2")->isVisible());

    click("cmd_SaveAs");
    EXPECT_TRUE(widget("cmd_fcreate")->isVisible());
    EXPECT_EQ(status(),
              "Die Datei doit.pro kann nun erzeugt werden. Diese kann in Pro/E als "
              "Konfigurationsdatei eingelesen werden");
    EXPECT_FALSE(std::filesystem::exists(output.file("doit.pro"))) << "building writes nothing";

    click("cmd_fcreate");
    EXPECT_EQ(readBytes(output.file("doit.pro")),
              buildSaveAs({"welle.drw", "flansch.drw"}).value() + "\r\n");
    EXPECT_EQ(status(), "Datei doit.pro wurde gespeichert !");
    EXPECT_TRUE(widget("cmd_fcreate")->isHidden());
    EXPECT_TRUE(platform.messages.empty());
    const Result<JobRecord> record = readJobRecord(output.path());
    ASSERT_TRUE(record.ok()) << record.message();
    EXPECT_EQ(record->head().runId, job.pendingInputs().runId) << "the record beside it";
    EXPECT_EQ(record->entry(1), "flansch.drw");
}

TEST_F(MainWindowTest, AFunctionThatNeedsInputOpensItsDialogOneThatNeedsNoneBuildsAtOnce) {
    confirmEntries("welle.prt\r\n");
    for (const FunctionRow& row : kFunctionTable) {
        SCOPED_TRACE(row.command);
        const std::shared_ptr<const std::string> before = job.pendingTextSnapshot();
        child<QPushButton>(widget("Frame2"), std::string(row.button).c_str())->click();
        const QList<QDialog*> dialogs = window.findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
        EXPECT_EQ(dialogs.size(), row.needs.anything() ? 1 : 0);
        EXPECT_EQ(job.pendingTextSnapshot() != before, !row.needs.anything());
        for (QDialog* dialog : dialogs) dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(MainWindowTest, AFailedWriteIsReportedAndTheButtonStays) {
    confirmEntries("welle.drw\r\n");
    click("cmd_SaveAs");
    const std::string missing = output.file("missing");
    child<QLineEdit>(&window, "txt_pro")->setText(QString::fromStdString(missing));
    click("cmd_fcreate");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find(missing), std::string::npos);
    EXPECT_EQ(status(), "Datei doit.pro wurde NICHT gespeichert ! Bitte Speicherort prüfen.");
    EXPECT_TRUE(widget("cmd_fcreate")->isVisible());

    child<QLineEdit>(&window, "txt_pro")->setText(QString::fromStdString(output.path()));
    click("cmd_fcreate");
    EXPECT_TRUE(std::filesystem::exists(output.file("doit.pro"))) << "the text is still there";
}

TEST_F(MainWindowTest, ConfirmWithNothingSelectedAsksForFiles) {
    confirmEntries("a.prt\r\n");
    clickPicture("img_files");
    click("cmd_nono");
    const QString before = status();
    click("cmd_file");
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Bitte Dateien auswählen !"});
    EXPECT_TRUE(job.confirmedEntries.empty());
    EXPECT_TRUE(widget("Frame3")->isVisible());
    EXPECT_EQ(status(), before);
}

TEST_F(MainWindowTest, RefusedBuildKeepsThePendingText) {
    confirmEntries("welle.drw\r\n");
    click("cmd_SaveAs");
    const std::string pending = job.pendingText();
    clickPicture("img_files");
    platform.clipboard = "ab.d\r\n";
    click("cmd_paste");
    click("cmd_file");
    click("cmd_SaveAs");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("\"ab.d\""), std::string::npos);
    EXPECT_EQ(job.pendingText(), pending);
}

TEST_F(MainWindowTest, FilesPictureBringsTheWorkListBackAndHidesTheWriteButton) {
    confirmEntries("welle.drw\r\n");
    click("cmd_SaveAs");
    clickPicture("img_files");
    EXPECT_TRUE(widget("Frame3")->isVisible());
    // Regression: at the designed top 960 the bottom bar covered "ok".
    EXPECT_EQ(widget("Frame3")->pos(),
              QPoint(twips(240), widget("Frame4")->y() - widget("Frame3")->height()));
    QWidget* ok = widget("cmd_file");
    EXPECT_LE(ok->mapTo(&window, QPoint(0, ok->height())).y(), widget("Frame4")->y());
    EXPECT_TRUE(widget("cmd_fcreate")->isHidden());
    EXPECT_EQ(child<QListView>(&window, "List_File1")->selectionModel()->selectedRows().size(), 1);
    // One panel in a place: the function panel and the explanation do not show beside the
    // list, and closing the list brings the functions back.
    EXPECT_TRUE(widget("Frame2")->isHidden());
    EXPECT_TRUE(widget("Erklaer")->isHidden());
    clickPicture("img_ex3");
    EXPECT_TRUE(widget("Frame2")->isVisible());
    EXPECT_TRUE(widget("Erklaer")->isVisible());
}

// Every way out (the exit door, the close box, Alt+F4) is a close of the window.
TEST_F(MainWindowTest, LeavingWithABuiltMapkeyNotWrittenAsksAndNoStays) {
    confirmEntries("welle.drw\r\n");
    click("cmd_SaveAs");
    const std::string pending = job.pendingText();
    platform.answers = {false, true};
    clickPicture("img_exit");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(platform.questions, (std::vector{std::string(texts::kQuestionLeaveUnwritten)}));
    EXPECT_EQ(job.pendingText(), pending) << "staying loses nothing";
    EXPECT_TRUE(widget("cmd_fcreate")->isVisible());
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(platform.questions.size(), 2u);

    // Once written, or with nothing built, there is nothing to lose.
    window.show();
    click("cmd_SaveAs");
    click("cmd_fcreate");
    ASSERT_TRUE(std::filesystem::exists(output.file("doit.pro")));
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(platform.questions.size(), 2u);
}

TEST_F(MainWindowTest, RightPressOnTheBackgroundMovesTheWorkListWithinTheWindow) {
    QWidget* panel = widget("Frame3");
    QWidget* bar = widget("Frame4");
    sendMouse(&window, QEvent::MouseButtonPress, Qt::RightButton, {10, 5});
    EXPECT_EQ(panel->pos(), QPoint(10, 5));
    sendMouse(&window, QEvent::MouseButtonPress, Qt::RightButton,
              {window.width() - 5, window.height() - 5});
    EXPECT_EQ(panel->pos(), QPoint(window.width() - panel->width(), bar->y() - panel->height()));
    sendMouse(&window, QEvent::MouseButtonPress, Qt::LeftButton, {10, 5});
    EXPECT_NE(panel->pos(), QPoint(10, 5)) << "a left press does not move it";
}

TEST_F(MainWindowTest, StartsWithTheLoginNameAndTheBarAtTheBottom) {
    EXPECT_EQ(child<QLabel>(&window, "lbl_user")->text(), "u123");
    EXPECT_EQ(widget("Frame4")->y(), twips(4405));
    EXPECT_EQ(widget("Frame3")->pos(), QPoint(twips(1000), twips(400)));
    EXPECT_TRUE(widget("Frame2")->isHidden());
    EXPECT_TRUE(widget("cmd_fcreate")->isHidden());
    const QSize designed = window.size();
    window.resize(designed / 2);
    EXPECT_EQ(window.size(), designed) << "smaller, the bottom bar would go out of sight";
}

// A pasted line of ten megabytes was laid out whole at every repaint of a list that showed
// it, which took seconds each time: the program stood still while it was in sight.
TEST_F(MainWindowTest, ALineOfTenMegabytesIsDrawnByItsBeginningInEveryList) {
    const std::string huge = std::string(10'000'000, 'W') + ".drw";
    confirmEntries(huge + "\r\n");
    QDialog* param = openFunction("cmd_param", "frm_param");
    ASSERT_NE(param, nullptr);
    platform.clipboard = huge;
    child<QPushButton>(param, "paste")->click();
    click("cmd_SaveAs");
    click("cmd_preview");
    const QStringList lists = {"List_File1", "list_part", "list_param", "list_lines"};
    for (const QString& name : lists) {
        SCOPED_TRACE(name.toStdString());
        auto* list = window.findChild<QAbstractItemView*>(name);
        ASSERT_NE(list, nullptr);
        QModelIndex longest = list->model()->index(0, 0);
        for (int row = 1; row < list->model()->rowCount(); ++row) {
            const QModelIndex index = list->model()->index(row, 0);
            if (index.data().toString().size() > longest.data().toString().size()) longest = index;
        }
        EXPECT_GE(longest.data().toString().size(), 10'000'000) << "the list keeps the whole line";
        QStyleOptionViewItem option;
        option.font = list->font();
        option.fontMetrics = list->fontMetrics();
        const int widest = option.fontMetrics.maxWidth() * 2 * ListTextDelegate::kShownLength;
        EXPECT_LT(list->itemDelegate()->sizeHint(option, longest).width(), widest);
    }
    EXPECT_EQ(job.confirmedEntries, std::vector<std::string>{huge});
}

}  // namespace
}  // namespace stapelwerk
