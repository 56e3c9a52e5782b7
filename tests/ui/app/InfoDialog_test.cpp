#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "core/texts.h"
#include "support/FakePlatform.h"
#include "ui/app/InfoDialog.h"
#include "ui/support/widgets.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/twips.h"

namespace stapelwerk {
namespace {

using testing::child;

class InfoDialogTest : public ::testing::Test {
protected:
    InfoDialogTest() : dialog(new InfoDialog(platform, nullptr)) {
        dialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    ~InfoDialogTest() override { delete dialog; }

    testing::FakePlatform platform;
    QPointer<InfoDialog> dialog;
};

TEST_F(InfoDialogTest, PlaysTheSoundAndGrowsInStepsToItsWidth) {
    EXPECT_EQ(platform.soundsPlayed, std::vector<std::string>{"MAPKEY.WAV"});
    EXPECT_TRUE(dialog->isVisible());
    const int target = 6270;
    const int finalWidth = toTwips(dialog->width());
    EXPECT_GE(finalWidth, target);
    EXPECT_LT(finalWidth, target + 150);
    EXPECT_EQ(toTwips(dialog->height()), 4800);
    EXPECT_EQ(platform.pauses.size(), 42u) << "one pause of 1 ms for each step of 150 twips";
    EXPECT_TRUE(std::all_of(platform.pauses.begin(), platform.pauses.end(),
                            [](int ms) { return ms == 1; }));
}

TEST_F(InfoDialogTest, ShowsTheInfoTextLineByLine) {
    EXPECT_EQ(dialog->windowTitle(), "Zinkhorn Stapelwerk Info");
    EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(224, 224, 224));
    const QStringList shown = child<QPlainTextEdit>(dialog, "Text1")->toPlainText().split('\n');
    const std::vector<std::string> lines = texts::infoTextLines();
    ASSERT_EQ(shown.size(), static_cast<qsizetype>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(shown[static_cast<qsizetype>(i)].toStdString(), lines[i]) << "line " << i + 1;
    }
    EXPECT_EQ(child<QLabel>(dialog, "Label2")->text(), "mehr unter: ");
}

TEST_F(InfoDialogTest, OkComesFirstInTheTabOrderAndCloses) {
    QWidget* first = dialog->nextInFocusChain();
    while (first != dialog && !(first->focusPolicy() & Qt::TabFocus))
        first = first->nextInFocusChain();
    EXPECT_EQ(first->objectName(), "cmd_ok");
    child<QPushButton>(dialog, "cmd_ok")->click();
    QTRY_VERIFY(dialog.isNull());
}

TEST_F(InfoDialogTest, AddressOpensThroughTheShellAndAFailureIsTold) {
    auto* address = child<ClickableLabel>(dialog, "Label1");
    QTest::mouseClick(address, Qt::LeftButton);
    EXPECT_EQ(platform.shellOpened, std::vector<std::string>{address->text().toStdString()});
    EXPECT_TRUE(address->text().startsWith("https://"));
    EXPECT_TRUE(platform.messages.empty());
    platform.shellOpenSucceeds = false;
    QTest::mouseClick(address, Qt::LeftButton);
    EXPECT_EQ(platform.shellOpened.size(), 2u);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find(address->text().toStdString()), std::string::npos)
        << "the message names the address to type by hand";
}

}  // namespace
}  // namespace stapelwerk
