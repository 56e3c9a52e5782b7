#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/job.h"
#include "platform/os.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/generate/CompletionDialog.h"
#include "ui/support/widgets.h"
#include "ui/widgets/DialogSlot.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/twips.h"

namespace stapelwerk {
namespace {

using testing::child;

class CompletionDialogTest : public ::testing::Test {
protected:
    CompletionDialogTest() {
        job.outputDirectory = output.path();
        open();
    }

    void open() {
        openOrRaise(dialog, [this] { return new CompletionDialog(platform, job, nullptr); });
    }
    ~CompletionDialogTest() override { delete dialog; }

    testing::FakePlatform platform;
    testing::TempDir output;
    Job job;
    QPointer<CompletionDialog> dialog;
};

TEST_F(CompletionDialogTest, OpensBorderlessWhiteWithItsSoundAndTexts) {
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dialog->size(), QSize(twips(4335), twips(3255)));
    EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(platform.soundsPlayed, std::vector<std::string>{"MAPKEY.WAV"});

    EXPECT_EQ(child<QLabel>(dialog, "Label1")->text(),
              "Der Vorgang wurde erfolgreich abgeschlossen !");
    EXPECT_EQ(child<QLabel>(dialog, "Label2")->text(), "Datei kann nun in Pro/E unter");
    EXPECT_EQ(child<QLabel>(dialog, "Label8")->text(), "-> Tools -> Optionen");
    EXPECT_EQ(child<QLabel>(dialog, "Label3")->text(), "geladen werden.");
    EXPECT_EQ(child<QPushButton>(dialog, "cmd_edit")->text(), "Datei editieren");
    EXPECT_EQ(child<PictureButton>(dialog, "img_ex6")->toolTip(), "ok");
    EXPECT_EQ(child<PictureButton>(dialog, "img_fertig")->size(), QSize(149, 109));
}

TEST_F(CompletionDialogTest, FourLinesFrameTheDialog) {
    const QImage image = dialog->grab().toImage();
    const int right = twips(4320);
    const int bottom = twips(3240);
    for (int x = 0; x <= right; ++x) {
        ASSERT_EQ(image.pixelColor(x, 0), QColor(Qt::black)) << x;
        ASSERT_EQ(image.pixelColor(x, bottom), QColor(Qt::black)) << x;
    }
    for (int y = 0; y <= bottom; ++y) {
        ASSERT_EQ(image.pixelColor(0, y), QColor(Qt::black)) << y;
        ASSERT_EQ(image.pixelColor(right, y), QColor(Qt::black)) << y;
    }
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white)) << "one pixel wide";
}

TEST_F(CompletionDialogTest, TimerRunsFourSecondsFromTheOpeningAndClosesTheDialog) {
    auto* timer = child<QTimer>(dialog, "Timer1");
    EXPECT_EQ(timer->interval(), 4000);
    EXPECT_TRUE(timer->isActive());
    EXPECT_GT(timer->remainingTime(), 3500);
    timer->start(1);  // let it fire now rather than in four seconds
    QTRY_VERIFY(dialog.isNull());
}

TEST_F(CompletionDialogTest, EitherPictureClosesIt) {
    for (const char* picture : {"img_fertig", "img_ex6"}) {
        if (!dialog) open();
        QTest::mouseClick(child<PictureButton>(dialog, picture), Qt::LeftButton);
        QTRY_VERIFY2(dialog.isNull(), picture);
    }
    EXPECT_TRUE(platform.shellOpened.empty());
}

TEST_F(CompletionDialogTest, EditOpensDoitProOfTheCurrentDirectoryAndCloses) {
    const struct {
        std::string outputDirectory;
        bool shellSucceeds;
    } cases[] = {
        {output.path(), true},
        {output.path() + os::kPathSeparator, true},  // the final separator is not doubled
        {output.path(), false},
    };
    for (const auto& c : cases) {
        platform.shellOpened.clear();
        platform.shellOpenSucceeds = c.shellSucceeds;
        if (!dialog) open();
        job.outputDirectory =
            c.outputDirectory;  // read when the button is pressed, not when the dialog opened
        platform.messages.clear();
        child<QPushButton>(dialog, "cmd_edit")->click();
        EXPECT_EQ(platform.shellOpened, std::vector<std::string>{output.file("doit.pro")})
            << c.outputDirectory;
        // Without a program for it, the plain text editor opens it.
        EXPECT_EQ(platform.openedInEditor, c.shellSucceeds
                                               ? std::vector<std::string>{}
                                               : std::vector<std::string>{output.file("doit.pro")});
        EXPECT_TRUE(platform.messages.empty());
        platform.openedInEditor.clear();
        QTRY_VERIFY(dialog.isNull());
    }
}

TEST_F(CompletionDialogTest, WithoutAnyEditorTheUserHearsWhyAndWhereTheFileIs) {
    platform.shellOpenSucceeds = false;
    platform.textEditorOpens = false;
    child<QPushButton>(dialog, "cmd_edit")->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find(output.file("doit.pro")), std::string::npos);
}

TEST_F(CompletionDialogTest, WaitsWhileThePointerIsOverItAndClosesFourSecondsAfterItLeft) {
    auto* timer = child<QTimer>(dialog, "Timer1");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), dialog->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(dialog, &enter);
    EXPECT_FALSE(timer->isActive());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(dialog, &leave);
    ASSERT_TRUE(timer->isActive());
    EXPECT_GT(timer->remainingTime(), 3500) << "the four seconds start again";
    timer->start(1);
    QTRY_VERIFY(dialog.isNull());
}

}  // namespace
}  // namespace stapelwerk
