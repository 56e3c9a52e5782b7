#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "core/job.h"
#include "core/texts.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/support/widgets.h"
#include "ui/widgets/twips.h"
#include "ui/worklist/WorkListModel.h"
#include "ui/worklist/WorkListPanel.h"

namespace stapelwerk {
namespace {

using testing::child;
using testing::sendMouse;

class WorkListPanelTest : public ::testing::Test {
protected:
    WorkListPanelTest() : panel(platform, model, nullptr) {
        panel.show();
        list = child<QListView>(&panel, "List_File1");
        menu = child<QGroupBox>(&panel, "kontextmenue");
        howMany = child<QLabel>(&panel, "lbl_howmany");
        manualEntry = child<QLineEdit>(&panel, "txt_hand");
    }

    void click(const char* button) { child<QPushButton>(&panel, button)->click(); }

    QStringList texts() const {
        QStringList result;
        for (int row = 0; row < model.rowCount(); ++row)
            result << model.index(row).data().toString();
        return result;
    }
    const WorkEntries& entries() const { return job.workList.entries(); }
    // Rows marked in the view, which the job's flags follow.
    qsizetype marked() const { return list->selectionModel()->selectedRows().size(); }

    testing::FakePlatform platform;
    Job job;
    WorkListModel model{job.workList, nullptr};
    // Every change of every test is held against the rules of Qt's item models.
    QAbstractItemModelTester modelRules{&model,
                                        QAbstractItemModelTester::FailureReportingMode::Fatal};
    WorkListPanel panel;
    QListView* list;
    QGroupBox* menu;
    QLabel* howMany;
    QLineEdit* manualEntry;
};

TEST_F(WorkListPanelTest, PasteReplacesTheListAndSelectsEverything) {
    model.setEntries({{"old.prt", false}}, ListChange::paste);
    platform.clipboard = "Name\r\nplan.drw.2\r\n\r\nwelle.prt\r\n";
    QSignalSpy status(&panel, &WorkListPanel::statusReport);
    menu->show();
    click("cmd_paste");
    EXPECT_EQ(texts(), (QStringList{"plan.drw.2", "welle.prt"}));
    EXPECT_EQ(marked(), 2);
    EXPECT_EQ(howMany->text(), "2");
    EXPECT_TRUE(menu->isHidden());
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(), "Zwischenablage eingefügt");

    platform.clipboard.clear();
    click("cmd_paste");
    EXPECT_EQ(model.rowCount(), 0) << "an empty clipboard still replaces the list";
}

// A spreadsheet's export in UTF-16 with ';' columns, as a paste of the same rows.
TEST_F(WorkListPanelTest, AListFromAFileReplacesTheListAndAFileNotReadChangesNothing) {
    testing::TempDir dir;
    const std::string path = dir.file("Stückliste.csv");
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("Name;Rev\r\nwelle.prt;B\r\n\r\nplan.drw;A\r\n")) {
        utf16 += c;
        utf16 += '\0';
    }
    testing::writeBytes(path, utf16);
    model.setEntries({{"old.prt", false}}, ListChange::paste);
    platform.filesChosen = {path, "", dir.file("missing.txt")};
    QSignalSpy status(&panel, &WorkListPanel::statusReport);

    click("cmd_listfile");
    EXPECT_EQ(texts(), (QStringList{"welle.prt;B", "plan.drw;A"}));
    EXPECT_EQ(marked(), 2);
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(), testing::qs(texts::statusListFileRead(path)));

    click("cmd_listfile");  // the choice cancelled
    click("cmd_listfile");
    EXPECT_EQ(texts(), (QStringList{"welle.prt;B", "plan.drw;A"}));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("missing.txt"), std::string::npos);
    EXPECT_EQ(platform.fileChoices.size(), 3u);
}

// Regression: at scale 1 the marked row above, or the focus frame above the first row,
// painted over the dots of "Ä".
TEST_F(WorkListPanelTest, ARowHoldsTheDotsOfACapitalUmlaut) {
    model.setEntries({{"TRÄGER", true}, {"TRÄGER", true}}, ListChange::paste);
    const QFontMetrics metrics(list->font());
    const int row = list->visualRect(model.index(0)).height();
    const int dotsTop =
        (row - metrics.height()) / 2 + metrics.ascent() + metrics.tightBoundingRect("Ä").top();
    EXPECT_GE(dotsTop, 2) << "the text is drawn centred in its row";
}

TEST_F(WorkListPanelTest, SelectionCommandsKeepTheCounter) {
    model.setEntries({{"a", false}, {"b", false}, {"c", false}}, ListChange::paste);
    click("cmd_all");
    EXPECT_EQ(howMany->text(), "3");
    click("cmd_nono");
    EXPECT_EQ(howMany->text(), "0");
    EXPECT_TRUE(marked() == 0);
    click("cmd_clearlist");
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(howMany->text(), "");
}

TEST_F(WorkListPanelTest, TypedEntryIsAppendedUnselectedAndTheFieldKeepsItsText) {
    model.setEntries({{"a.prt", true}}, ListChange::paste);
    click("cmd_einzel");
    EXPECT_TRUE(manualEntry->isVisible());
    QTest::keyClicks(manualEntry, "a.prt");
    QTest::keyClick(manualEntry, Qt::Key_Return);
    EXPECT_EQ(entries(), (WorkEntries{{"a.prt", true}, {"a.prt", false}}));
    EXPECT_TRUE(manualEntry->isHidden());

    click("cmd_einzel");
    EXPECT_EQ(manualEntry->text(), "a.prt");
    manualEntry->clear();
    QTest::keyClick(manualEntry, Qt::Key_Return);
    EXPECT_EQ(model.rowCount(), 2) << "Enter in an empty field adds nothing";
    EXPECT_TRUE(manualEntry->isVisible());
}

TEST_F(WorkListPanelTest, ExtensionSwitchesChangeEveryEntryAndKeepSelectionAndMenu) {
    model.setEntries({{"welle", true}, {"teil.prt", false}}, ListChange::paste);
    menu->show();
    click("cmd_P");
    EXPECT_EQ(entries(), (WorkEntries{{"welle.prt", true}, {"teil.prt.prt", false}}));
    click("cmd_PP");
    click("cmd_PP");
    EXPECT_EQ(entries(), (WorkEntries{{"welle", true}, {"teil", false}}));
    click("cmd_Z");
    click("cmd_ZZ");
    EXPECT_EQ(texts(), (QStringList{"welle", "teil"}));
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(WorkListPanelTest, StruckThroughTwinsDifferOnlyInTheFont) {
    for (const auto& [plain, struck] :
         {std::pair{"cmd_all", "cmd_nono"}, std::pair{"cmd_Z", "cmd_ZZ"},
          std::pair{"cmd_P", "cmd_PP"}}) {
        const auto* a = child<QPushButton>(&panel, plain);
        const auto* b = child<QPushButton>(&panel, struck);
        EXPECT_EQ(a->text(), b->text());
        EXPECT_FALSE(a->font().strikeOut());
        EXPECT_TRUE(b->font().strikeOut());
        EXPECT_NE(a->accessibleName(), b->accessibleName());
    }
}

TEST_F(WorkListPanelTest, MenuFollowsThePointerAndOpensOnRightPress) {
    model.setEntries({{"a", true}, {"b", false}}, ListChange::paste);
    QWidget* viewport = list->viewport();
    const int top = menu->y();
    sendMouse(viewport, QEvent::MouseMove, Qt::NoButton, {30, 10});
    EXPECT_EQ(menu->x(), viewport->mapTo(list, QPoint(30, 10)).x() + twips(220));
    EXPECT_EQ(menu->y(), top);

    sendMouse(viewport, QEvent::MouseButtonPress, Qt::RightButton, {30, 10});
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(marked(), 1) << "a right press keeps the selection";
    const int shownAt = menu->x();
    sendMouse(viewport, QEvent::MouseMove, Qt::NoButton, {90, 10});
    EXPECT_EQ(menu->x(), shownAt) << "an open menu stays put";

    click("cmd_einzel");
    menu->show();
    sendMouse(viewport, QEvent::MouseButtonPress, Qt::LeftButton, {30, 10});
    EXPECT_TRUE(menu->isHidden());
    EXPECT_TRUE(manualEntry->isHidden());
}

TEST_F(WorkListPanelTest, MarksInTheViewAreTheJobsFlags) {
    model.setEntries({{"a", true}, {"b", false}, {"c", true}}, ListChange::paste);
    EXPECT_EQ(marked(), 2) << "the view shows the flags it was given";
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualRect(model.index(1)).center());
    EXPECT_EQ(entries(), (WorkEntries{{"a", true}, {"b", true}, {"c", true}}));
    EXPECT_EQ(howMany->text(), "3");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(model.index(2)).center());
    EXPECT_EQ(entries(), (WorkEntries{{"a", false}, {"b", false}, {"c", true}}));
    EXPECT_EQ(job.workList.selectedCount(), 1u);

    QSignalSpy confirm(&panel, &WorkListPanel::confirmRequested);
    click("cmd_file");
    EXPECT_EQ(confirm.count(), 1);
}

// What a file manager or a spreadsheet hands over when something is dropped on the list.
void drop(QListView* list, QMimeData* data) {
    const QPoint at = list->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent dropped(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &dropped);
    EXPECT_TRUE(dropped.isAccepted());
}

TEST_F(WorkListPanelTest, DroppedFilesAreAddedSelectedAndDroppedTextIsPasted) {
    testing::TempDir dir;
    QList<QUrl> urls;
    for (const char* name : {"welle.prt.2", "flansch.drw", "deckel.drw"}) {
        testing::writeBytes(dir.file(name), "");
        urls << QUrl::fromLocalFile(QString::fromStdString(dir.file(name)));
    }
    model.setEntries({{"alt.prt", false}, {"teil.prt", true}}, ListChange::paste);
    QSignalSpy status(&panel, &WorkListPanel::statusReport);
    QMimeData files;
    files.setUrls(urls);
    files.setText("ignored when files come along");
    drop(list, &files);
    EXPECT_EQ(entries(), (WorkEntries{{"alt.prt", false},
                                      {"teil.prt", true},
                                      {"welle.prt.2", true},
                                      {"flansch.drw", true},
                                      {"deckel.drw", true}}));
    EXPECT_EQ(marked(), 4);
    EXPECT_EQ(howMany->text(), "4");
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(), "3 Dateien hinzugefügt");

    QMimeData column;
    column.setText("Name\nplan.drw.3\nachse.prt\n");
    drop(list, &column);
    EXPECT_EQ(entries(), (WorkEntries{{"plan.drw.3", true}, {"achse.prt", true}}));
    EXPECT_EQ(status.at(1).at(0).toString(), "Zwischenablage eingefügt");
}

}  // namespace
}  // namespace stapelwerk
