#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "core/texts.h"
#include "generate/doit_builder.h"
#include "generate/mapkey_chain.h"
#include "support/ScopedHome.h"
#include "ui/support/MainWindowFixture.h"

namespace stapelwerk {
namespace {

using testing::child;

class MapkeyChainDialogTest : public testing::MainWindowFixture {
protected:
    MapkeyChainDialogTest() { confirmEntries("welle.drw\r\nflansch.drw\r\n"); }

    QDialog* open() { return openFunction("cmd_mapkey", "frm_mapkeyneu"); }
    QLineEdit* chain(QDialog* dialog) { return child<QLineEdit>(dialog, "txt_mapkeyname"); }
    std::string storedChain() { return setting("Stapelwerk", "frm_mapkeyneu.txt_mapkeyname.Text"); }
};

TEST_F(MapkeyChainDialogTest, FirstUseShowsDs) {
    QDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Mapkey ausführen");
    EXPECT_EQ(chain(dialog)->text(), "ds");
    EXPECT_EQ(dialog->focusWidget(), chain(dialog));
    EXPECT_EQ(testing::nextTabStop(chain(dialog)), child<QPushButton>(dialog, "cmd_mapkeyok"));
}

// Where the check looks for the files, said in full: no line of it cut off at the label's or
// the dialog's bottom.
TEST_F(MapkeyChainDialogTest, SaysWhereTheCheckLooksInFull) {
    QDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    auto* whereLooked = child<QLabel>(dialog, "lbl_fundorte");
    EXPECT_EQ(whereLooked->text().toStdString(), texts::kChainWhereLooked);
    EXPECT_LE(whereLooked->heightForWidth(whereLooked->width()), whereLooked->height());
    EXPECT_LE(whereLooked->geometry().bottom(), dialog->height());
}

TEST_F(MapkeyChainDialogTest, OkStoresTheChainBuildsAndCloses) {
    QDialog* dialog = open();
    chain(dialog)->setText("+;%rt;%00");
    child<QPushButton>(dialog, "cmd_mapkeyok")->click();

    EXPECT_EQ(storedChain(), "+;%rt;%00");
    EXPECT_EQ(job.pendingText(),
              buildOpenAndApply({"welle.drw", "flansch.drw"}, mapkeyChainTail("+;%rt;%00").value())
                  .value());
    EXPECT_TRUE(child<QWidget>(&window, "cmd_fcreate")->isVisible());
    EXPECT_EQ(this->dialog("frm_mapkeyneu"), nullptr) << "closed and gone";
    EXPECT_EQ(chain(open())->text(), "+;%rt;%00") << "the next opening reads the stored chain";
}

TEST_F(MapkeyChainDialogTest, SecondClickRaisesTheOpenDialogWithItsInput) {
    QDialog* first = open();
    chain(first)->setText("typed");
    platform.settings[{"Stapelwerk", "Optionen", "frm_mapkeyneu.txt_mapkeyname.Text"}] = "other";
    EXPECT_EQ(open(), first);
    EXPECT_EQ(chain(first)->text(), "typed");
    EXPECT_EQ(window.findChildren<QDialog*>("frm_mapkeyneu").size(), 1);
}

TEST_F(MapkeyChainDialogTest, ClosingWithoutOkStoresAndBuildsNothing) {
    QDialog* opened = open();
    chain(opened)->setText("typed");
    opened->close();
    EXPECT_EQ(dialog("frm_mapkeyneu"), nullptr);
    EXPECT_EQ(storedChain(), "<missing>");
    EXPECT_TRUE(job.pendingText().empty());
    EXPECT_EQ(chain(open())->text(), "ds");
}

TEST_F(MapkeyChainDialogTest, AChainThatWouldBreakTheFileIsRefusedAndTheDialogStays) {
    QDialog* dialog = open();
    chain(dialog)->setText("ds`");
    child<QPushButton>(dialog, "cmd_mapkeyok")->click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("\"ds`\""), std::string::npos);
    EXPECT_TRUE(job.pendingText().empty());
    EXPECT_TRUE(child<QWidget>(&window, "cmd_fcreate")->isHidden());
    EXPECT_EQ(this->dialog("frm_mapkeyneu"), dialog);
    EXPECT_EQ(chain(dialog)->text(), "ds`");
}

class DefinedMapkeysTest : public MapkeyChainDialogTest {
protected:
    DefinedMapkeysTest() {
        testing::writeBytes(output.file("config.pro"),
                            "mapkey ds @MAPKEY_NAMEZeichnung speichern;\r\nmapkey bb x\r\n");
    }
    const testing::ScopedHome home{output.path()};
};

TEST_F(DefinedMapkeysTest, ADoubleClickOrEnterAddsTheMapkeyAndBuildsNothing) {
    QDialog* dialog = open();
    auto* list = child<QListWidget>(dialog, "list_mapkeys");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "ds – Zeichnung speichern");
    chain(dialog)->clear();
    emit list->itemDoubleClicked(list->item(1));
    EXPECT_EQ(chain(dialog)->text(), "bb;") << "the first without %";
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(chain(dialog)->text(), "bb;%ds;");
    EXPECT_TRUE(job.pendingText().empty()) << "Enter in the list is no OK";
}

TEST_F(DefinedMapkeysTest, AnUndefinedNameIsMarkedAndSaidWhileTyping) {
    QDialog* dialog = open();
    auto* note = child<QLabel>(dialog, "lbl_undefiniert");
    const struct {
        const char* typed;
        QString said;
    } cases[] = {
        {"ds;%bb", testing::qs(std::string(texts::kChainAllDefined))},
        {"ds;%xx;%bb;%xx;%00", testing::qs(texts::chainUndefinedNote({"xx", "00"}))},
        // As Pro/E writes a mapkey's steps: the list's names, not "%ds" or an empty name.
        {"%ds;%bb;", testing::qs(std::string(texts::kChainAllDefined))},
        {"%%ds;%xx;", testing::qs(texts::chainUndefinedNote({"%ds", "xx"}))},
        {"", testing::qs(texts::chainUndefinedNote({""}))},
    };
    for (const auto& c : cases) {
        chain(dialog)->setText(c.typed);
        EXPECT_EQ(note->text(), c.said) << c.typed;
        EXPECT_EQ(chain(dialog)->styleSheet().isEmpty(), c.said == cases[0].said) << c.typed;
    }
    std::filesystem::remove(output.file("config.pro"));
    dialog->close();
    EXPECT_EQ(child<QLabel>(open(), "lbl_undefiniert")->text(),
              testing::qs(std::string(texts::kChainNoConfigPro)));
}

// A config.pro written on UNIX lists its mapkeys; a FIFO in its place does not freeze the
// window, nor is anything listed from it.
TEST_F(DefinedMapkeysTest, AnLfConfigProIsListedAndAFifoIsNotWaitedOn) {
    testing::writeBytes(output.file("config.pro"), "mapkey ds x\nmapkey bb x\n");
    QDialog* dialog = open();
    EXPECT_EQ(child<QListWidget>(dialog, "list_mapkeys")->count(), 2);
    EXPECT_EQ(child<QLabel>(dialog, "lbl_undefiniert")->text(),
              testing::qs(std::string(texts::kChainAllDefined)));
#ifndef _WIN32
    dialog->close();
    std::filesystem::remove(output.file("config.pro"));
    ASSERT_EQ(::mkfifo(output.file("config.pro").c_str(), 0600), 0);
    dialog = open();
    EXPECT_EQ(child<QListWidget>(dialog, "list_mapkeys")->count(), 0);
    EXPECT_EQ(child<QLabel>(dialog, "lbl_undefiniert")->text(),
              testing::qs(std::string(texts::kChainNoConfigPro)));
#endif
}

}  // namespace
}  // namespace stapelwerk
