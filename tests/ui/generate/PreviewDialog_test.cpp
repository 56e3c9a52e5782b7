#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "core/texts.h"
#include "generate/doit_preview.h"
#include "support/ScopedHome.h"
#include "ui/support/MainWindowFixture.h"

namespace stapelwerk {
namespace {

using testing::child;

class PreviewDialogTest : public testing::MainWindowFixture {
protected:
    PreviewDialogTest() {
        confirmEntries("welle.drw.2\r\nflansch.drw\r\n");
        clickWindow("cmd_SaveAs");
    }
    void clickWindow(const char* button) { child<QPushButton>(&window, button)->click(); }
    QDialog* open() {
        clickWindow("cmd_preview");
        return dialog("frm_preview");
    }
    static QStringList rows(QDialog* preview, const char* list = "list_lines") {
        const QAbstractItemModel* model = child<QListView>(preview, list)->model();
        QStringList result;
        for (int row = 0; row < model->rowCount(); ++row)
            result << model->index(row, 0).data().toString();
        return result;
    }
};

TEST_F(PreviewDialogTest, ShowsThePendingTextLineByLineAndLeavesItAlone) {
    EXPECT_TRUE(child<QWidget>(&window, "cmd_preview")->isVisible()) << "offered with the write";
    const std::string pending = job.pendingText();
    QDialog* preview = open();
    ASSERT_NE(preview, nullptr);

    const DoitLines lines(pending);
    const QStringList shown = rows(preview);
    ASSERT_EQ(shown.size(), static_cast<qsizetype>(lines.count()));
    const int width = static_cast<int>(std::to_string(lines.count()).size());
    for (std::size_t i = 0; i < lines.count(); ++i) {
        EXPECT_EQ(shown[static_cast<qsizetype>(i)],
                  QString("%1  %2")
                      .arg(i + 1, width)
                      .arg(QString::fromStdString(std::string(lines.line(i)))));
    }
    EXPECT_EQ(child<QLabel>(preview, "lbl_summary")->text(), "2 Einträge, 1.017 Bytes");
    EXPECT_EQ(job.pendingText(), pending);

    clickWindow("cmd_fcreate");
    EXPECT_EQ(testing::readBytes(output.file("doit.pro")).size(), lines.fileSize())
        << "the size shown is the size written";
}

TEST_F(PreviewDialogTest, SearchesOnwardFromTheCurrentLineAndWraps) {
    QDialog* preview = open();
    auto* view = child<QListView>(preview, "list_lines");
    auto* search = child<QLineEdit>(preview, "txt_search");
    const auto foundRow = [&] { return view->currentIndex().row(); };

    // The new name is typed once in each entry's block.
    QTest::keyClicks(search, "UPDATE `FILE_SAVEAS`");
    QTest::keyClick(search, Qt::Key_Return);
    const int first = foundRow();
    EXPECT_TRUE(rows(preview)[first].contains("welle"));
    child<QPushButton>(preview, "cmd_findnext")->click();
    EXPECT_TRUE(rows(preview)[foundRow()].contains("flansch")) << "the next place, further down";
    child<QPushButton>(preview, "cmd_findnext")->click();
    EXPECT_EQ(foundRow(), first) << "round to the top again";
    EXPECT_EQ(child<QLabel>(preview, "lbl_found")->text(), "");

    search->setText("nirgends");
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(child<QLabel>(preview, "lbl_found")->text(), "nicht gefunden");
    EXPECT_EQ(foundRow(), first);
}

TEST_F(PreviewDialogTest, AnOpenPreviewFollowsTheNextBuild) {
    QDialog* preview = open();
    QTest::mouseClick(child<QWidget>(&window, "img_files"), Qt::LeftButton);
    platform.clipboard = "achse.prt\r\n";
    clickWindow("cmd_paste");
    clickWindow("cmd_file");
    clickWindow("cmd_SaveAs");
    EXPECT_TRUE(rows(preview).join('\n').contains("achse"));
    EXPECT_FALSE(rows(preview).join('\n').contains("flansch"));
    EXPECT_TRUE(child<QLabel>(preview, "lbl_summary")->text().startsWith("1 Einträge"));
}

// Save-as saves over a name that is there and makes the others; the preview says which.
TEST_F(PreviewDialogTest, ShowsWhereProEFindsEachEntryUntilTheLookupIsSwitchedOff) {
    const testing::ScopedHome home(output.path());
    testing::writeBytes(output.file("welle.drw.2"), "");
    QDialog* preview = open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows(preview, "list_fundorte").size() == 2; }));
    EXPECT_EQ(rows(preview, "list_fundorte"),
              (QStringList{
                  testing::qs(texts::entryLocation("welle.drw", output.file("welle.drw.2"), true)),
                  testing::qs(texts::entryLocation("flansch.drw", std::nullopt, true))}));
    EXPECT_EQ(child<QLabel>(preview, "lbl_fundorte")->text(),
              testing::qs(texts::previewLocated(1, 2, 1)));

    child<QCheckBox>(preview, "chk_fundorte")->click();
    EXPECT_EQ(rows(preview, "list_fundorte").size(), 0);
    EXPECT_EQ(child<QLabel>(preview, "lbl_fundorte")->text(),
              testing::qs(std::string(texts::kPreviewLocateOff)));
}

}  // namespace
}  // namespace stapelwerk
