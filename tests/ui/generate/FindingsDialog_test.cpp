#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <string>

#include "core/texts.h"
#include "support/ScopedHome.h"
#include "ui/support/MainWindowFixture.h"

namespace stapelwerk {
namespace {

using testing::child;

class FindingsDialogTest : public testing::MainWindowFixture {
protected:
    // A blank in one name: save-as is built, and "doit.pro jetzt anlegen" finds it.
    QDialog* findings() {
        confirmEntries("welle.prt\r\nC:\\pdm\\meine welle.prt.2\r\ndeckel.asm\r\n");
        child<QPushButton>(&window, "cmd_SaveAs")->click();
        child<QPushButton>(&window, "cmd_fcreate")->click();
        return dialog("frm_pruefung");
    }
    bool written() const { return std::filesystem::exists(output.file("doit.pro")); }
    // A chain over a part that lies nowhere, and the write that looks for it.
    void writeChain() {
        testing::writeBytes(output.file("config.pro"), "mapkey ds x\n");
        confirmEntries("welle.prt\r\n");
        QDialog* chain = openFunction("cmd_mapkey", "frm_mapkeyneu");
        child<QLineEdit>(chain, "txt_mapkeyname")->setText("ds");
        child<QPushButton>(chain, "cmd_mapkeyok")->click();
        child<QPushButton>(&window, "cmd_fcreate")->click();
    }
    const testing::ScopedHome home{output.path()};
};

TEST_F(FindingsDialogTest, ShowsWhatWasFoundBeforeAnythingIsWritten) {
    QDialog* shown = findings();
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(written());
    auto* list = child<QListWidget>(shown, "list_befunde");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), testing::qs(texts::findingModelNameCharacters("_-")));
    EXPECT_TRUE(list->item(0)->font().bold());
    EXPECT_EQ(list->item(1)->text(), R"(  "meine welle.prt")");
    list->doItemsLayout();  // the heading, wider than the list, wraps onto lines of its own
    const QRect heading = list->visualItemRect(list->item(0));
    EXPECT_LE(heading.width(), list->viewport()->width());
    EXPECT_GT(heading.height(), list->visualItemRect(list->item(1)).height());
    EXPECT_EQ(shown->focusWidget(), child<QPushButton>(shown, "cmd_trotzdem"));
}

// The findings name entries by their place among those confirmed: a new confirmation ends them.
TEST_F(FindingsDialogTest, ConfirmingAgainClosesTheFindingsOfTheEntriesBefore) {
    ASSERT_NE(findings(), nullptr);
    confirmEntries("welle.prt\r\n");
    EXPECT_EQ(dialog("frm_pruefung"), nullptr);
}

TEST_F(FindingsDialogTest, EnterWritesEscapeCancelsAndUnmarkTakesTheEntriesOut) {
    const struct {
        const char* way;  // a button, or nothing for the key
        Qt::Key key;
        bool written;
        std::vector<bool> marked;
    } cases[] = {
        {nullptr, Qt::Key_Return, true, {true, true, true}},
        {nullptr, Qt::Key_Escape, false, {true, true, true}},
        {"cmd_abwaehlen", Qt::Key_unknown, false, {true, false, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way != nullptr ? c.way : std::to_string(c.key));
        std::filesystem::remove(output.file("doit.pro"));
        QDialog* shown = findings();
        ASSERT_NE(shown, nullptr);
        if (c.way != nullptr) {
            child<QPushButton>(shown, c.way)->click();
        } else {
            QTest::keyClick(shown->focusWidget(), c.key);
        }
        EXPECT_EQ(dialog("frm_pruefung"), nullptr);
        EXPECT_EQ(written(), c.written);
        std::vector<bool> marked;
        for (const WorkEntryView entry : job.workList.entries()) marked.push_back(entry.selected);
        EXPECT_EQ(marked, c.marked);
        EXPECT_EQ(child<QWidget>(&window, "Frame3")->isVisible(), c.way != nullptr);
    }
}

// The deletion's option, which doit.pro does not set, is found like the rest.
TEST_F(FindingsDialogTest, ADeletionWithoutTheOptionItNeedsIsFound) {
    testing::writeBytes(output.file("config.pro"), "display_full_path yes\n");
    testing::writeBytes(output.file("welle.prt.1"), "");
    confirmEntries("welle.prt\r\n");
    QDialog* deletion = openFunction("cmd_ploesch", "frm_ploesch");
    ASSERT_NE(deletion, nullptr);
    child<QPushButton>(deletion, "cmd_ploesch")->click();
    child<QPushButton>(&window, "cmd_fcreate")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog("frm_pruefung") != nullptr; }));
    QDialog* shown = dialog("frm_pruefung");
    EXPECT_FALSE(written());
    auto* list = child<QListWidget>(shown, "list_befunde");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(),
              testing::qs(texts::findingOptionNotSet("new_parameter_ui", "no")));
    EXPECT_EQ(list->item(1)->text().toStdString(),
              "  " + texts::optionNotInFile(output.file("config.pro"), "new_parameter_ui"));
}

// Two entries under one name and a cut that saves another: the later entry and the cut one
// are unmarked, the first of the two stays.
TEST_F(FindingsDialogTest, UnmarkTakesOutTheLaterOfTwoNamesAndWhatSaveAsWouldCut) {
    confirmEntries("welle.drw\r\nC:\\pdm\\WELLE.prt.2\r\ngehaeuse.step\r\nlager.asm\r\n");
    child<QPushButton>(&window, "cmd_SaveAs")->click();
    child<QPushButton>(&window, "cmd_fcreate")->click();
    QDialog* shown = dialog("frm_pruefung");
    ASSERT_NE(shown, nullptr);
    auto* list = child<QListWidget>(shown, "list_befunde");
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    EXPECT_TRUE(lines.contains(R"(  "gehaeuse.step" wird als "gehaeuse." gespeichert)"))
        << lines.join('|').toStdString();
    EXPECT_TRUE(lines.contains(R"(  "WELLE.prt" wie "welle.drw")"))
        << lines.join('|').toStdString();
    child<QPushButton>(shown, "cmd_abwaehlen")->click();
    std::vector<bool> marked;
    for (const WorkEntryView entry : job.workList.entries()) marked.push_back(entry.selected);
    EXPECT_EQ(marked, (std::vector<bool>{true, false, false, true}));
    EXPECT_FALSE(written());
}

// Files in a workspace are nowhere the look-up sees: its switch takes its findings away, and
// the next write, remembering it, writes at once.
TEST_F(FindingsDialogTest, TheLookupIsSwitchedOffForFilesInAWorkspace) {
    writeChain();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog("frm_pruefung") != nullptr; }));
    QDialog* shown = dialog("frm_pruefung");
    auto* list = child<QListWidget>(shown, "list_befunde");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), testing::qs(std::string(texts::kFindingNoEntryFound)));
    EXPECT_EQ(list->item(1)->text(), testing::qs("  \"" + output.path() + "\""));

    child<QCheckBox>(shown, "chk_fundorte")->click();
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(child<QPushButton>(shown, "cmd_abwaehlen")->isEnabled());
    EXPECT_EQ(setting("Stapelwerk", "frm_pruefung.chk_fundorte.Value"), "1");
    child<QPushButton>(shown, "cmd_abbrechen")->click();
    EXPECT_FALSE(written());
    child<QPushButton>(&window, "cmd_fcreate")->click();
    EXPECT_TRUE(written());
}

// A cancelled wait writes nothing: it shows what the check found, the look-up's end among it.
TEST_F(FindingsDialogTest, ACancelledLookupWritesNothingAndSaysSo) {
    writeChain();
    auto* wait = window.findChild<QProgressDialog*>("frm_fundorte");
    ASSERT_NE(wait, nullptr);
    child<QPushButton>(wait, "")->click();
    QDialog* shown = dialog("frm_pruefung");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(child<QListWidget>(shown, "list_befunde")->item(0)->text(),
              testing::qs(std::string(texts::kFindingLocateStopped)));
    EXPECT_EQ(window.findChild<QProgressDialog*>("frm_fundorte"), nullptr);
    EXPECT_FALSE(written());
}

}  // namespace
}  // namespace stapelwerk
