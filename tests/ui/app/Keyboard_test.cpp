#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QTest>
#include <filesystem>

#include "ui/support/MainWindowFixture.h"

namespace stapelwerk {
namespace {

using testing::child;
using testing::nextTabStop;

class Keyboard : public testing::MainWindowFixture {
protected:
    // The window is active, and the work list shown (as by its picture, reached by Tab).
    Keyboard() {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        widget("img_files")->setFocus();
        press(Qt::Key_Space);
        EXPECT_TRUE(widget("List_File1")->isVisible());
    }
    QWidget* widget(const char* name) { return child<QWidget>(&window, name); }
    QWidget* focused() { return QApplication::focusWidget(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focused(), key, modifiers);
    }
};

TEST_F(Keyboard, TheWholeRoadFromPasteToAWrittenFile) {
    platform.clipboard = "Name\r\nwelle.drw.2\r\nflansch.drw\r\n";
    widget("List_File1")->setFocus();
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(job.workList.entries(), (WorkEntries{{"welle.drw.2", true}, {"flansch.drw", true}}));
    EXPECT_EQ(child<QLineEdit>(&window, "lbl_status")->text(), "Zwischenablage eingefügt");

    // Delete takes the marked entries; Ctrl+Z brings them back with their marks and count.
    const WorkEntries pasted = job.workList.entries();
    press(Qt::Key_Delete);
    EXPECT_EQ(job.workList.size(), 0u);
    EXPECT_EQ(child<QLabel>(&window, "lbl_howmany")->text(), "0");
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(job.workList.entries(), pasted);
    EXPECT_EQ(child<QLabel>(&window, "lbl_howmany")->text(), "2");

    child<QPushButton>(&window, "cmd_nono")->click();
    widget("List_File1")->setFocus();
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(job.workList.selectedCount(), 2u);
    EXPECT_EQ(child<QLabel>(&window, "lbl_howmany")->text(), "2");

    press(Qt::Key_Return);
    EXPECT_EQ(job.confirmedEntries, (std::vector<std::string>{"welle.drw", "flansch.drw"}));
    EXPECT_EQ(focused(), widget("cmd_mapkey"));
    EXPECT_EQ(nextTabStop(widget("cmd_mapkey")), widget("cmd_param"));
    EXPECT_EQ(nextTabStop(widget("cmd_param")), widget("cmd_ploesch"));
    EXPECT_EQ(nextTabStop(widget("cmd_ploesch")), widget("cmd_SaveAs"));

    press(Qt::Key_S, Qt::AltModifier);  // "Über&speichern/ Erzeugen", pressed as a click is shown
    EXPECT_TRUE(QTest::qWaitFor([&] { return focused() == widget("cmd_fcreate"); }));
    press(Qt::Key_Space);
    EXPECT_TRUE(std::filesystem::exists(output.file("doit.pro")));
    QWidget* completion = window.findChild<QWidget*>("frm_ok");
    ASSERT_NE(completion, nullptr);
    QTest::keyClick(completion, Qt::Key_Escape);
    EXPECT_TRUE(completion->isHidden());
}

// Wherever the list comes back (the document picture, "Einträge abwählen" in the
// findings), the keyboard is in it and Enter confirms.
TEST_F(Keyboard, TheListHasTheKeyboardWheneverItComesBack) {
    EXPECT_EQ(focused(), widget("List_File1")) << "after the document picture";
    confirmEntries("welle.prt\r\nmeine welle.prt\r\n");  // a blank, which the check finds
    child<QPushButton>(&window, "cmd_SaveAs")->click();
    child<QPushButton>(&window, "cmd_fcreate")->click();
    QDialog* findings = window.findChild<QDialog*>("frm_pruefung");
    ASSERT_NE(findings, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(findings)) << "a dialog gets the keyboard";
    child<QPushButton>(findings, "cmd_abwaehlen")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return focused() == widget("List_File1"); }));
    press(Qt::Key_Return);
    EXPECT_EQ(job.confirmedEntries, (std::vector<std::string>{"welle.prt"}));
}

TEST_F(Keyboard, TheMenuOpensByKeyAndClosesBackToTheList) {
    auto* menu = child<QGroupBox>(&window, "kontextmenue");
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers()},
          std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
        widget("List_File1")->setFocus();
        press(key, modifiers);
        EXPECT_TRUE(menu->isVisible());
        EXPECT_EQ(focused(), widget("cmd_paste"));
        press(Qt::Key_Escape);
        EXPECT_TRUE(menu->isHidden());
        EXPECT_EQ(focused(), widget("List_File1"));
    }
    // Enter presses the focused button of the menu; after every action focus is back on
    // the list, so that the next Enter confirms instead of reaching what lies behind it.
    platform.clipboard = "welle.drw\r\nplan\r\n";
    const struct {
        const char* button;
        int tabs;  // from the first button
        WorkEntries after;
    } actions[] = {
        {"cmd_paste", 0, {{"welle.drw", true}, {"plan", true}}},
        {"cmd_nono", 3, {{"welle.drw", false}, {"plan", false}}},
        {"cmd_all", 2, {{"welle.drw", true}, {"plan", true}}},
        {"cmd_P", 7, {{"welle.drw.prt", true}, {"plan.prt", true}}},
        {"cmd_PP", 9, {{"welle.drw", true}, {"plan", true}}},
        {"cmd_clearlist", 4, {}},
        {"cmd_quit", 11, {}},
    };
    for (const auto& action : actions) {
        press(Qt::Key_Menu);
        for (int i = 0; i < action.tabs; ++i) press(Qt::Key_Tab);
        ASSERT_EQ(focused(), widget(action.button));
        press(Qt::Key_Return);
        EXPECT_EQ(job.workList.entries(), action.after) << action.button;
        EXPECT_EQ(focused(), widget("List_File1")) << action.button;
    }
    // "Liste löschen" pressed by mistake costs nothing.
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(job.workList.entries(), (WorkEntries{{"welle.drw", true}, {"plan", true}}));
    press(Qt::Key_Return);
    EXPECT_EQ(job.confirmedEntries, (std::vector<std::string>{"welle.drw", "plan"}));
}

// Tab reaches every control of the window in turn, and each shows that it has the focus.
TEST_F(Keyboard, EveryStopOfTheTabOrderShowsTheFocus) {
    QWidget* first = widget("img_files");
    first->setFocus(Qt::TabFocusReason);
    QStringList stops;
    do {
        QWidget* stop = focused();
        ASSERT_NE(stop, nullptr);
        stops << stop->objectName();
        const QImage shown = stop->grab().toImage();
        stop->clearFocus();
        EXPECT_NE(stop->grab().toImage(), shown) << stop->objectName().toStdString();
        stop->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Tab);
    } while (focused() != first && stops.size() < 40);
    for (const char* control : {"img_files", "Image1", "img_ex3", "List_File1", "cmd_file",
                                "Label7", "txt_pro", "lbl_status", "img_exit"}) {
        EXPECT_TRUE(stops.contains(control)) << control << " in " << stops.join(' ').toStdString();
    }
}

TEST_F(Keyboard, TheMnemonicsOfTheWindowDoNotClash) {
    confirmEntries("welle.drw\r\n");
    child<QPushButton>(&window, "cmd_SaveAs")->click();
    QStringList mnemonics;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisible()) continue;
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
        if (mnemonic.isEmpty()) continue;
        EXPECT_FALSE(mnemonics.contains(mnemonic.toString())) << button->objectName().toStdString();
        mnemonics << mnemonic.toString();
    }
    for (const char* function : {"cmd_mapkey", "cmd_param", "cmd_ploesch", "cmd_SaveAs"}) {
        EXPECT_FALSE(
            QKeySequence::mnemonic(child<QAbstractButton>(&window, function)->text()).isEmpty())
            << function;
    }
}

TEST_F(Keyboard, EscapeClosesEveryDialog) {
    confirmEntries("welle.drw\r\n");
    child<QPushButton>(&window, "cmd_SaveAs")->click();
    const std::function<QWidget*()> openers[] = {
        [&] { return openFunction("cmd_mapkey", "frm_mapkeyneu"); },
        [&] { return openFunction("cmd_ploesch", "frm_ploesch"); },
        [&] { return openFunction("cmd_param", "frm_param"); },
        [&] {
            child<QPushButton>(&window, "cmd_preview")->click();
            return dialog("frm_preview");
        },
        [&] {
            QTest::mouseClick(widget("Image1"), Qt::LeftButton);
            return window.findChild<QWidget*>("frm_help");
        },
    };
    for (const auto& open : openers) {
        QWidget* opened = open();
        ASSERT_NE(opened, nullptr);
        SCOPED_TRACE(opened->objectName().toStdString());
        QTest::keyClick(opened, Qt::Key_Escape);
        EXPECT_TRUE(opened->isHidden());
    }
}

}  // namespace
}  // namespace stapelwerk
