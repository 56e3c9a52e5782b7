#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/explanations.h"
#include "core/job.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/app/InfoDialog.h"
#include "ui/app/MainWindow.h"
#include "ui/generate/CompletionDialog.h"
#include "ui/support/widgets.h"
#include "ui/widgets/PictureButton.h"

namespace stapelwerk {
namespace {

using testing::child;
using testing::TempDir;

// The main window with a confirmed selection, so that the function panel is up.
class MainWindowShellTest : public ::testing::Test {
protected:
    MainWindowShellTest() : window(platform, job) {
        window.show();
        setOutputDirectory(output.path());
        platform.clipboard = "welle.drw\r\nflansch.drw\r\n";
        click("cmd_paste");
        click("cmd_file");
    }

    void click(const char* button) { child<QPushButton>(&window, button)->click(); }
    void clickPicture(const char* picture) {
        QTest::mouseClick(child<PictureButton>(&window, picture), Qt::LeftButton);
    }
    void setOutputDirectory(const std::string& directory) {
        child<QLineEdit>(&window, "txt_pro")->setText(QString::fromStdString(directory));
    }
    void buildAndWrite() {
        click("cmd_SaveAs");
        click("cmd_fcreate");
    }
    QString explanation() { return child<QLabel>(&window, "Erklaer")->text(); }
    // A point of the window that no control covers.
    void moveOverBackground(int offset = 0) { QTest::mouseMove(&window, QPoint(5, 150 + offset)); }
    void moveOver(const char* control, QPoint offset = {}) {
        QWidget* widget = child<QWidget>(&window, control);
        QTest::mouseMove(widget, widget->rect().center() + offset);
    }

    testing::FakePlatform platform;
    TempDir output;
    Job job;
    MainWindow window;
};

// A dialog stands centred over the window, also where no window manager places it.
TEST_F(MainWindowShellTest, EveryDialogStandsCentredOverTheWindow) {
    window.move(140, 120);  // where the largest, the preview, fits on the screen around it
    click("cmd_mapkey");
    click("cmd_ploesch");
    click("cmd_param");
    click("cmd_preview");
    clickPicture("Image1");
    for (const char* name :
         {"frm_mapkeyneu", "frm_ploesch", "frm_param", "frm_preview", "frm_help"}) {
        auto* dialog = window.findChild<QWidget*>(name);
        ASSERT_NE(dialog, nullptr) << name;
        const QPoint off = dialog->frameGeometry().center() - window.frameGeometry().center();
        EXPECT_LE(off.manhattanLength(), 2) << name << " " << off.x() << "," << off.y();
    }
}

TEST_F(MainWindowShellTest, AWriteOpensTheCompletionDialogCentredOnTheWindow) {
    buildAndWrite();
    auto* dialog = child<CompletionDialog>(&window, "frm_ok");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isWindow());
    const QPoint offCentre = dialog->frameGeometry().center() - window.frameGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
    EXPECT_EQ(platform.soundsPlayed, std::vector<std::string>{"MAPKEY.WAV"});
}

TEST_F(MainWindowShellTest, AFailedWriteOpensNoDialogAndPlaysNothing) {
    setOutputDirectory(output.file("missing"));
    buildAndWrite();
    EXPECT_EQ(window.findChild<CompletionDialog*>("frm_ok"), nullptr);
    EXPECT_TRUE(platform.soundsPlayed.empty());
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(MainWindowShellTest, ASecondWriteOnlyRaisesTheOpenDialog) {
    buildAndWrite();
    auto* dialog = child<CompletionDialog>(&window, "frm_ok");
    auto* timer = child<QTimer>(dialog, "Timer1");
    const int remaining = timer->remainingTime();
    QTest::qWait(500);
    buildAndWrite();
    EXPECT_EQ(window.findChildren<CompletionDialog*>().size(), 1);
    EXPECT_EQ(window.findChild<CompletionDialog*>("frm_ok"), dialog);
    EXPECT_EQ(platform.soundsPlayed.size(), 1u) << "no second sound";
    EXPECT_LT(timer->remainingTime(), remaining - 250)
        << "the timer runs on from the first opening";
}

TEST_F(MainWindowShellTest, ExplanationFollowsThePointerOverEveryExplainedControl) {
    click("cmd_SaveAs");  // shows cmd_fcreate
    for (const std::string_view name : explainedControls()) {
        const std::string control(name);
        moveOverBackground();
        EXPECT_EQ(explanation(), "") << "the bare background empties it";
        moveOver(control.c_str());
        EXPECT_EQ(explanation().toStdString(), *explanationFor(name, output.path())) << control;
        moveOver("txt_pro");
        EXPECT_EQ(explanation().toStdString(), *explanationFor(name, output.path()))
            << "txt_pro leaves the text of " << control;
    }
}

TEST_F(MainWindowShellTest, ExplanationStandsWhileThePointerReadsIt) {
    click("cmd_SaveAs");
    moveOver("cmd_fcreate");
    const QString shown = explanation();
    EXPECT_FALSE(shown.isEmpty());
    QWidget* label = child<QWidget>(&window, "Erklaer");
    QTest::mouseMove(&window, label->geometry().topLeft() + QPoint(5, 5));
    EXPECT_EQ(explanation(), shown);
}

TEST_F(MainWindowShellTest, AutoExplanationNamesTheDirectoryAtEachMovement) {
    moveOver("cmd_auto");
    EXPECT_NE(explanation().indexOf(QString::fromStdString(output.path())), -1);
    setOutputDirectory("/srv/cad/work/");
    moveOver("cmd_auto", {2, 1});
    EXPECT_NE(explanation().indexOf("Verzeichnis: /srv/cad/work/ Mit"), -1)
        << explanation().toStdString();
}

TEST_F(MainWindowShellTest, InfoPictureOpensOneInfoDialogAndRaisesItAfterwards) {
    clickPicture("Image1");
    auto* dialog = child<InfoDialog>(&window, "frm_help");
    EXPECT_TRUE(dialog->isVisible());
    const std::size_t pauses = platform.pauses.size();
    EXPECT_GT(pauses, 0u);

    clickPicture("Image1");
    EXPECT_EQ(window.findChildren<InfoDialog*>().size(), 1);
    EXPECT_EQ(platform.soundsPlayed, std::vector<std::string>{"MAPKEY.WAV"});
    EXPECT_EQ(platform.pauses.size(), pauses) << "no growing a second time";

    child<QPushButton>(dialog, "cmd_ok")->click();
    QTRY_COMPARE(window.findChildren<InfoDialog*>().size(), 0);
    clickPicture("Image1");
    EXPECT_EQ(window.findChildren<InfoDialog*>().size(), 1);
    EXPECT_EQ(platform.soundsPlayed.size(), 2u) << "reopened, it sounds again";
    EXPECT_EQ(platform.pauses.size(), 2 * pauses) << "and grows again";
}

}  // namespace
}  // namespace stapelwerk
