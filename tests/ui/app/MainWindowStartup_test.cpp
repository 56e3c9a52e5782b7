#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "cadconfig/auto_mapkey.h"
#include "core/job.h"
#include "support/FakePlatform.h"
#include "support/ScopedHome.h"
#include "support/TempDir.h"
#include "support/template_lines.h"
#include "ui/app/MainWindow.h"
#include "ui/support/widgets.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/twips.h"
#include "ui/worklist/DirectoryList.h"

namespace stapelwerk {
namespace {

using testing::child;
using testing::qs;
using testing::readBytes;
using testing::sendMouse;
using testing::TempDir;

class MainWindowStartupTest : public ::testing::Test {
protected:
    MainWindowStartupTest() : home_(home.path()) {
        platform.programDir = program.path();
        platform.currentDir = program.path();
    }

    void storeOutputDirectory(const std::string& value) {
        platform.settings[{"Stapelwerk", "Optionen", "txt_pro"}] = value;
    }
    std::string storedOutputDirectory() const {
        const auto found = platform.settings.find({"Stapelwerk", "Optionen", "txt_pro"});
        return found != platform.settings.end() ? found->second : "(nothing stored)";
    }
    MainWindow& start() {
        window = std::make_unique<MainWindow>(platform, job);
        window->show();
        return *window;
    }
    QWidget* widget(const char* name) { return child<QWidget>(window.get(), name); }
    QLineEdit* field(const char* name) { return child<QLineEdit>(window.get(), name); }

    TempDir home;
    TempDir program;
    testing::FakePlatform platform;
    Job job;
    std::unique_ptr<MainWindow> window;

private:
    testing::ScopedHome home_;
};

TEST_F(MainWindowStartupTest, AnExistingDirectoryShowsTheWorkList) {
    platform.login = "  u123  ";
    TempDir stored;
    storeOutputDirectory(stored.path());
    start();
    EXPECT_EQ(child<QLabel>(window.get(), "lbl_user")->text(), "u123");
    EXPECT_EQ(field("txt_pro")->text(), qs(stored.path()));
    EXPECT_EQ(field("lbl_status")->text(), "Bitte Dateien wählen");
    EXPECT_TRUE(widget("Frame3")->isVisible());
    EXPECT_EQ(widget("Frame3")->pos(), QPoint(twips(1000), twips(400)));
    EXPECT_EQ(widget("Frame4")->y(), twips(4405));
    EXPECT_TRUE(widget("Frame6")->isHidden());
    EXPECT_TRUE(widget("Frame5")->isHidden());
    EXPECT_EQ(child<DirectoryList>(window.get(), "Dir2")->path(), qs(stored.path()));
}

TEST_F(MainWindowStartupTest, AMissingDirectoryOpensTheChooserOnTheBottomBar) {
    storeOutputDirectory(program.file("gone"));
    start();
    QWidget* chooser = widget("Frame6");
    QWidget* bar = widget("Frame4");
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_TRUE(widget("Frame3")->isHidden());
    EXPECT_EQ(chooser->x(), bar->x());
    EXPECT_EQ(chooser->geometry().bottom() + 1, bar->y());
    EXPECT_EQ(field("lbl_status")->text(), "Speicherort der Ausgabedatei angeben !!!");
    EXPECT_EQ(field("txt_pro")->text(), qs(program.path()));

    const QString chosen = qs(home.path());
    child<DirectoryList>(window.get(), "Dir2")->setPath(chosen);
    child<QPushButton>(window.get(), "cmd_ok")->click();
    EXPECT_EQ(field("txt_pro")->text(), chosen);
    EXPECT_TRUE(chooser->isHidden());
}

TEST_F(MainWindowStartupTest, TheFilterOffersThreePatterns) {
    start();
    auto* filter = child<QComboBox>(window.get(), "Combo1");
    ASSERT_EQ(filter->count(), 3);
    EXPECT_EQ(filter->itemText(0), "*.drw*");
    EXPECT_EQ(filter->itemText(1), "*.prt*");
    EXPECT_EQ(filter->itemText(2), "*.asm*");
    EXPECT_EQ(filter->currentText(), "*.drw*");
}

TEST_F(MainWindowStartupTest, ClosingStoresTheOutputDirectoryAndClosesEveryOtherWindow) {
    start();
    QWidget dialog;
    dialog.show();
    EXPECT_EQ(storedOutputDirectory(), "(nothing stored)") << "start-up writes nothing";
    window->close();
    EXPECT_EQ(storedOutputDirectory(), program.path()) << "also when untouched";
    EXPECT_FALSE(dialog.isVisible());

    start();
    field("txt_pro")->clear();
    QTest::mouseClick(child<PictureButton>(window.get(), "img_exit"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(storedOutputDirectory(), "") << "also when empty";
}

TEST_F(MainWindowStartupTest, TheWorkListComesBackAtTheNextStartWithItsMarks) {
    TempDir data;
    platform.dataDir = data.path();
    storeOutputDirectory(program.path());
    start();
    platform.clipboard = "welle.prt\r\nplan.drw\r\n";
    child<QPushButton>(window.get(), "cmd_paste")->click();
    for (const bool marked : {true, false}) {
        const WorkEntries left = {{"welle.prt", marked}, {"plan.drw", marked}};
        EXPECT_EQ(job.workList.entries(), left);
        window->close();
        job.workList.assign({});
        start();
        EXPECT_EQ(job.workList.entries(), left) << marked;
        EXPECT_EQ(child<QLabel>(window.get(), "lbl_howmany")->text(), marked ? "2" : "0");
        child<QPushButton>(window.get(), "cmd_nono")->click();
    }
    EXPECT_TRUE(platform.messages.empty());
}

// The window opens on the list: Ctrl+V and Enter work without a click first.
TEST_F(MainWindowStartupTest, TheListHasTheKeyboardAtStart) {
    storeOutputDirectory(program.path());
    start().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), widget("List_File1"));
}

// Where the list stands at start, its menu neither covers the instruction with its caption
// nor reaches under the bottom bar.
TEST_F(MainWindowStartupTest, TheListMenuStandsBetweenTheInstructionAndTheBar) {
    storeOutputDirectory(program.path());
    start();
    QWidget* menu = widget("kontextmenue");
    menu->show();
    const QWidget* instruction = widget("Label6");
    EXPECT_GE(menu->mapTo(window.get(), QPoint()).y(),
              instruction->mapTo(window.get(), QPoint(0, instruction->height())).y());
    EXPECT_LE(menu->mapTo(window.get(), QPoint(0, menu->height())).y(), widget("Frame4")->y());
}

TEST_F(MainWindowStartupTest, TheCaptionOfTheOutputDirectoryOpensTheChooser) {
    start();
    QWidget* chooser = widget("Frame6");
    QWidget* caption = widget("Label7");
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_TRUE(chooser->isVisible());
    const QPoint place = chooser->pos();
    EXPECT_EQ(place, QPoint(widget("Frame4")->x(), widget("Frame4")->y() - chooser->height()));
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_EQ(chooser->pos(), place) << "a second click leaves it where it is";
}

TEST_F(MainWindowStartupTest, ThePicturesOfTheMenuOpenTheFileBrowser) {
    start();
    QTest::mouseClick(child<PictureButton>(window.get(), "filebrowser"), Qt::LeftButton);
    EXPECT_TRUE(widget("Frame5")->isVisible());
}

TEST_F(MainWindowStartupTest, TheMouseButtonsOnTheBareBarHideAndShowTheAutoButton) {
    start();
    QWidget* bar = widget("Frame4");
    QWidget* autoButton = widget("cmd_auto");
    const QPoint bare(bar->width() / 2, bar->height() - 3);
    ASSERT_EQ(bar->childAt(bare), nullptr);
    EXPECT_TRUE(autoButton->isVisible());
    sendMouse(bar, QEvent::MouseButtonPress, Qt::LeftButton, bare);
    EXPECT_TRUE(autoButton->isHidden());
    sendMouse(bar, QEvent::MouseButtonPress, Qt::RightButton, bare);
    EXPECT_TRUE(autoButton->isVisible());
}

TEST_F(MainWindowStartupTest, PressesOnTheControlsOfTheBarLeaveTheAutoButtonAlone) {
    start();
    QWidget* autoButton = widget("cmd_auto");
    for (const bool shown : {true, false}) {
        autoButton->setVisible(shown);
        for (const char* control : {"Label7", "lbl_user"}) {
            for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
                SCOPED_TRACE(std::string(control) +
                             (button == Qt::LeftButton ? " left" : " right"));
                QTest::mousePress(widget(control), button);
                QTest::mouseRelease(widget(control), button);
                EXPECT_EQ(autoButton->isVisible(), shown);
            }
        }
    }
}

TEST_F(MainWindowStartupTest, AnAutoMapkeyAlreadyThereIsAppendedAgainOnlyWhenTheUserSaysSo) {
    TempDir output;
    storeOutputDirectory(output.path());
    start();
    const std::string defined = "mapkey auto %other;\r\n";
    for (const bool yes : {false, true}) {
        testing::writeBytes(output.file("config.pro"), defined);
        platform.answers = {yes};
        platform.questions.clear();
        child<QPushButton>(window.get(), "cmd_auto")->click();
        ASSERT_EQ(platform.questions.size(), 1u);
        EXPECT_NE(platform.questions[0].find("bereits einen Mapkey auto"), std::string::npos);
        EXPECT_EQ(readBytes(output.file("config.pro")) == defined, !yes);
        EXPECT_EQ(std::filesystem::exists(output.file("config.pro.bak")), yes);
    }
}

TEST_F(MainWindowStartupTest, TheAutoButtonAppendsTheMapkeyToConfigPro) {
    TempDir output;
    storeOutputDirectory(output.path());
    start();
    child<QPushButton>(window.get(), "cmd_auto")->click();
    std::vector<std::string> block(kAutoBlock.begin(), kAutoBlock.end());
    EXPECT_EQ(readBytes(output.file("config.pro")), testing::fileWithLines(block));
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{"Es wurde eine Datei config.pro angelegt",
                                        "Der Mapkey auto wurde Ihrer config.pro hinzugefügt !"}));
    EXPECT_EQ(field("lbl_status")->text(), "Datei lesen...");
}

}  // namespace
}  // namespace stapelwerk
