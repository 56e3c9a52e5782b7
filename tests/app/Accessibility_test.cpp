#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "support/MainWindowFixture.h"
#include "widgets/PictureButton.h"

namespace stapelwerk {
namespace {

using testing::child;

// The name a screen reader announces for a widget.
QString spokenName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name).trimmed() : QString();
}

class Accessibility : public testing::MainWindowFixture {};

// Every control a user can reach, in every window of the program, tells a
// screen-reader user what it is.
TEST_F(Accessibility, EveryControlOfEveryWindowHasAName) {
    QTest::mouseClick(child<PictureButton>(&window, "filebrowser"), Qt::LeftButton);
    confirmEntries("welle.prt\r\n");
    openFunction("cmd_mapkey", "frm_mapkeyneu");
    openFunction("cmd_ploesch", "frm_ploesch");
    openFunction("cmd_param", "frm_param");
    child<QPushButton>(&window, "cmd_SaveAs")->click();
    child<QPushButton>(&window, "cmd_fcreate")->click();
    QTest::mouseClick(child<PictureButton>(&window, "Image1"), Qt::LeftButton);

    QStringList windows;
    QStringList unnamed;
    for (QWidget* topLevel : QApplication::topLevelWidgets()) {
        if (!topLevel->isVisible()) continue;
        windows << topLevel->objectName();
        for (QWidget* control : topLevel->findChildren<QWidget*>()) {
            if (control->window() != topLevel || control->objectName().isEmpty() ||
                control->focusPolicy() == Qt::NoFocus) {
                continue;
            }
            if (spokenName(control).isEmpty()) unnamed << control->objectName();
        }
    }
    for (const char* name :
         {"Form1", "frm_mapkeyneu", "frm_ploesch", "frm_param", "frm_ok", "frm_help"}) {
        EXPECT_TRUE(windows.contains(name)) << name << " was not opened";
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
}

}  // namespace
}  // namespace stapelwerk
