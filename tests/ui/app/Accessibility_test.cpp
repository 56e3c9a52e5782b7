#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QTest>

#include "ui/support/MainWindowFixture.h"
#include "ui/widgets/PictureButton.h"

namespace stapelwerk {
namespace {

using testing::child;

// The name a screen reader announces for a widget.
QString spokenName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name).trimmed() : QString();
}

class Accessibility : public testing::MainWindowFixture {};

// The controls of a window that Tab can reach: visible, enabled, taking focus by Tab.
QList<QWidget*> tabStops(QWidget* topLevel) {
    QList<QWidget*> stops;
    for (QWidget* control : topLevel->findChildren<QWidget*>()) {
        if (control->window() == topLevel && control->isVisible() && control->isEnabled() &&
            (control->focusPolicy() & Qt::TabFocus)) {
            stops << control;
        }
    }
    return stops;
}

// Names of the accessible objects below `node` that stand for widgets named "Line...".
void collectLines(QAccessibleInterface* node, QStringList& lines) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr) continue;
        if (child->object() != nullptr && child->object()->objectName().startsWith("Line")) {
            lines << child->object()->objectName();
        }
        collectLines(child, lines);
    }
}

// In every window of the program, each control a user can reach tells a screen-reader
// user what it is, Tab reaches every one of them, and decoration stays out of the way.
TEST_F(Accessibility, EveryWindowIsNamedAndWalkedByTab) {
    openEveryWindow();

    QStringList windows;
    for (QWidget* topLevel : QApplication::topLevelWidgets()) {
        if (!topLevel->isVisible()) continue;
        windows << topLevel->objectName();
        SCOPED_TRACE(topLevel->objectName().toStdString());
        const QList<QWidget*> stops = tabStops(topLevel);
        QStringList unnamed;
        for (QWidget* control : stops) {
            if (spokenName(control).isEmpty()) {
                unnamed << control->parentWidget()->objectName() + "/" + control->objectName();
            }
        }
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();

        QSet<QWidget*> reached;
        QWidget* at = stops.isEmpty() ? nullptr : stops.front();
        for (int step = 0; at != nullptr && step <= stops.size(); ++step) {
            reached.insert(at);
            do at = at->nextInFocusChain();
            while (!stops.contains(at));
        }
        QStringList missed;
        for (QWidget* control : stops) {
            if (!reached.contains(control)) missed << control->objectName();
        }
        EXPECT_TRUE(missed.isEmpty()) << "Tab never reaches " << missed.join(", ").toStdString();

        QStringList lines;
        collectLines(QAccessible::queryAccessibleInterface(topLevel), lines);
        EXPECT_TRUE(lines.isEmpty()) << lines.join(", ").toStdString();
    }
    for (const char* name :
         {"Form1", "frm_mapkeyneu", "frm_ploesch", "frm_param", "frm_preview", "frm_ok",
          "frm_pruefung", "frm_ergebnis", "frm_help", "frm_auftraege"}) {
        EXPECT_TRUE(windows.contains(name)) << name << " was not opened";
    }
}

TEST_F(Accessibility, TheExplanationUnderThePointerIsReadOut) {
    auto* explanation = child<QLabel>(&window, "Erklaer");
    QWidget* info = child<QWidget>(&window, "Image1");
    QTest::mouseMove(info, info->rect().center());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(explanation);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Erklärung");
    EXPECT_EQ(accessible->text(QAccessible::Description), "Anzeige des Info Formulars");
    EXPECT_EQ(accessible->text(QAccessible::Description), explanation->text());
}

}  // namespace
}  // namespace stapelwerk
