#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/texts.h"
#include "generate/doit_builder.h"
#include "params/parameter_tails.h"
#include "params/value_list_file.h"
#include "ui/params/ParameterListDialog_fixture.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/twips.h"

namespace stapelwerk {
namespace {

using testing::child;
using testing::ParameterListDialogTest;
using testing::readBytes;
using testing::Values;
using testing::writeBytes;

TEST_F(ParameterListDialogTest, OpensWithThePartsAndTheMenu) {
    EXPECT_EQ(param->windowTitle(), "Parameter hinzufügen");
    EXPECT_EQ(param->width(), twips(5760));
    auto* parts = control<QListWidget>("list_part");
    ASSERT_EQ(parts->count(), 2);
    EXPECT_EQ(parts->item(0)->text(), "welle.prt");
    EXPECT_EQ(parts->item(1)->text(), "flansch.prt");
    EXPECT_EQ(control<QLineEdit>("txt_param")->text(), "ParameterName");
    EXPECT_EQ(valueList()->model()->rowCount(), 0);
    EXPECT_TRUE(menu()->isVisible());
    EXPECT_TRUE(control<QLabel>("Label4")->text().isEmpty());
    EXPECT_EQ(param->focusWidget(), control("cmd_ok"));
    QWidget* next = control("cmd_ok");
    for (const char* name : {"txt_param", "list_param", "list_part"}) {
        next = testing::nextTabStop(next);
        EXPECT_EQ(next->objectName(), name);
    }
}

TEST_F(ParameterListDialogTest, TakesTheHeightOfTheMainWindow) {
    param->close();
    window.resize(window.width(), twips(9000));
    QDialog* reopened = openFunction("cmd_param", "frm_param");
    EXPECT_EQ(reopened->height(), window.frameGeometry().height() - twips(480));
    EXPECT_EQ(child<QWidget>(reopened, "cmd_ok")->y(),
              twips(8370 + toTwips(window.frameGeometry().height()) - 9495));
}

TEST_F(ParameterListDialogTest, MouseButtonsOnTheValueListShowAndHideTheMenu) {
    pressValueList(Qt::LeftButton);
    EXPECT_TRUE(menu()->isHidden());
    pressValueList(Qt::MiddleButton);
    EXPECT_TRUE(menu()->isHidden());
    pressValueList(Qt::RightButton);
    EXPECT_TRUE(menu()->isVisible());
    EXPECT_EQ(menu()->pos(), QPoint(twips(3150), twips(1680))) << "always at its own place";
    pressValueList(Qt::MiddleButton);
    EXPECT_TRUE(menu()->isVisible());
    clickPicture("Image_EXIT");
    EXPECT_TRUE(menu()->isHidden());

    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {5, 5},
                              valueList()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(valueList(), &menuKey);
    EXPECT_TRUE(menu()->isVisible()) << "the menu key opens it for keyboard users";
}

TEST_F(ParameterListDialogTest, HelpPictureExplainsTheMenu) {
    clickPicture("Image1");
    EXPECT_EQ(platform.messages,
              Values{"Klicken Sie mit der RECHTEN Maustaste in das Feld für die zugehörigen "
                     "Parameterwerte um Eingaben zu tätigen !"});
}

TEST_F(ParameterListDialogTest, AddAppendsTheSingleEntryAndClearEmptiesTheList) {
    auto* entry = control<QLineEdit>("Text1");
    entry->setText(" Stahl ");
    press("cmd_hinzu");
    press("cmd_hinzu");
    EXPECT_EQ(entry->text(), " Stahl ") << "the field keeps its text for the next add";
    entry->clear();
    press("cmd_hinzu");
    EXPECT_EQ(values(), (Values{" Stahl ", " Stahl ", ""}));
    EXPECT_TRUE(menu()->isVisible());

    press("clear");
    EXPECT_TRUE(values().empty());
    EXPECT_TRUE(menu()->isHidden());
}

TEST_F(ParameterListDialogTest, DeleteMarkedRemovesTheSelectedAndTheEmptyValues) {
    setValues({"a", "", "b", "a"});
    valueList()->selectionModel()->select(valueList()->model()->index(3, 0),
                                          QItemSelectionModel::Select);
    press("cmd_del");
    EXPECT_EQ(values(), (Values{"a", "b"}));
    EXPECT_TRUE(valueList()->selectionModel()->selectedIndexes().isEmpty());
    EXPECT_TRUE(menu()->isHidden());
}

TEST_F(ParameterListDialogTest, PasteAppendsTheClipboardLines) {
    setValues({"old"});
    platform.clipboard = "Name\r\n x \nName \r\n\r\nname\rNAME\r\nName";
    press("paste");
    EXPECT_EQ(values(), (Values{"old", " x ", "Name ", "name", "NAME"}));
    EXPECT_TRUE(menu()->isHidden());
    EXPECT_FALSE(std::filesystem::exists(platform.currentDir + "/cross.tmp"));
}

TEST_F(ParameterListDialogTest, SaveAndOpenTheListFileInTheProgramDirectory) {
    setValues({"Stahl", "", "Größe"});
    clickPicture("save");
    EXPECT_EQ(readBytes(listFile()),
              "Stahl\r\n\r\nGr\xF6\xDF"
              "e\r\n");
    EXPECT_EQ(control<QLabel>("Label4")->text().toStdString(), listFile());
    EXPECT_TRUE(menu()->isHidden());

    setValues({"replaced"});
    press("open");
    EXPECT_EQ(values(), (Values{"Stahl", "", "Größe"}));
    EXPECT_TRUE(platform.messages.empty());

    std::filesystem::remove(listFile());
    press("open");
    EXPECT_EQ(values(), (Values{"Stahl", "", "Größe"})) << "a missing file empties nothing";
    EXPECT_EQ(platform.messages, (std::vector{texts::messageValueListMissing(listFile())}));
}

TEST_F(ParameterListDialogTest, AListFromAnyFileIsReadAndOneNotReadChangesNothing) {
    testing::TempDir dir;
    const std::string path = dir.file("werte.txt");
    testing::writeBytes(path,
                        "Stahl\r\nGr\xF6\xDF"
                        "e\nMessing");
    platform.filesChosen = {path, dir.file("missing.txt")};
    setValues({"replaced"});
    press("cmd_listfile");
    EXPECT_EQ(values(), (Values{"Stahl", "Größe", "Messing"}));
    EXPECT_EQ(control<QLabel>("Label4")->text().toStdString(), path);
    EXPECT_TRUE(menu()->isHidden());

    press("cmd_listfile");
    EXPECT_EQ(values(), (Values{"Stahl", "Größe", "Messing"}));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("missing.txt"), std::string::npos);
}

TEST_F(ParameterListDialogTest, AListFileThatCannotBeReadOrWrittenIsReportedAndTheValuesStay) {
    const struct {
        const char* name;
        std::function<void()> arrange;
        const char* reason;
        bool onOpen;
    } cases[] = {
        {"missing program directory", [this] { platform.programDir = programDir.file("missing"); },
         "Datei oder Verzeichnis nicht gefunden", false},
        {"a directory in place of the file",
         [this] { std::filesystem::create_directory(listFile()); }, "Ist ein Verzeichnis", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages.clear();
        platform.programDir = programDir.path();
        c.arrange();
        const std::string path = valueListPath(platform.programDir);
        setValues({"kept"});
        for (bool open : {false, true}) {
            if (open && !c.onOpen) continue;
            open ? press("open") : clickPicture("save");
            ASSERT_FALSE(platform.messages.empty());
            EXPECT_NE(platform.messages.back().find(path), std::string::npos);
            EXPECT_NE(platform.messages.back().find(c.reason), std::string::npos)
                << platform.messages.back();
            EXPECT_EQ(values(), Values{"kept"});
        }
    }
}

TEST_F(ParameterListDialogTest, OkChecksTheCountsAndStoresTheNameAnyway) {
    control<QLineEdit>("txt_param")->setText("MATERIAL");
    pressValueList(Qt::LeftButton);
    press("cmd_ok");
    EXPECT_EQ(platform.messages, Values{"Den Teilen wurden keine Paramterwerte zugewiesen !"});
    EXPECT_TRUE(menu()->isVisible()) << "no values: the menu opens to enter some";
    EXPECT_EQ(storedName(), "MATERIAL");

    platform.messages.clear();
    setValues({"STAHL"});
    pressValueList(Qt::LeftButton);
    press("cmd_ok");
    EXPECT_EQ(platform.messages,
              Values{"Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !"});
    EXPECT_TRUE(menu()->isHidden());
    EXPECT_EQ(values(), Values{"STAHL"});
    EXPECT_TRUE(job.pendingText().empty());
    EXPECT_EQ(dialog("frm_param"), param);

    param->close();
    EXPECT_EQ(child<QLineEdit>(openFunction("cmd_param", "frm_param"), "txt_param")->text(),
              "MATERIAL");
}

TEST_F(ParameterListDialogTest, OkWithAValueForEveryPartBuildsAndCloses) {
    control<QLineEdit>("txt_param")->setText("MATERIAL");
    setValues({"STAHL", "ALU"});
    press("cmd_ok");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(job.pendingText(),
              buildParameterAssignment({"welle.prt", "flansch.prt"},
                                       assignmentTail("MATERIAL").value(), {"STAHL", "ALU"})
                  .value());
    EXPECT_TRUE(child<QWidget>(&window, "cmd_fcreate")->isVisible());
    EXPECT_EQ(dialog("frm_param"), nullptr);

    QDialog* reopened = openFunction("cmd_param", "frm_param");
    EXPECT_EQ(child<QLineEdit>(reopened, "txt_param")->text(), "MATERIAL");
    EXPECT_EQ(child<QListView>(reopened, "list_param")->model()->rowCount(), 0);
}

TEST_F(ParameterListDialogTest, TwoColumnValuesPairByNameAndGapsAreAskedAbout) {
    control<QLineEdit>("txt_param")->setText("MATERIAL");
    const auto built = [&](const Values& values) {
        return buildParameterAssignment({"welle.prt", "flansch.prt"},
                                        assignmentTail("MATERIAL").value(), values)
            .value();
    };
    const struct {
        const char* pasted;
        std::vector<bool> answers;
        std::vector<const char*> asked;  // names the question lists
        const char* message;             // a refusal instead of a question
        std::optional<Values> values;    // what was built, if anything
    } cases[] = {
        {"FLANSCH.PRT\tALU\nC:\\work\\welle.prt.3\tSTAHL\n",
         {},
         {},
         nullptr,
         Values{"STAHL", "ALU"}},
        {"welle.prt;STAHL\nachse.prt;MESSING\n",
         {false},
         {"flansch.prt", "achse.prt"},
         nullptr,
         std::nullopt},
        {"welle.prt;STAHL\nachse.prt;MESSING\n",
         {true},
         {"flansch.prt", "achse.prt"},
         nullptr,
         Values{"STAHL", ""}},
        {"welle.prt;STAHL\nwelle.prt;ALU\nflansch.prt;ALU\n", {}, {}, "welle.prt", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted);
        if (dialog("frm_param") == nullptr) param = openFunction("cmd_param", "frm_param");
        ASSERT_TRUE(job.acceptBuild(std::string("old")).ok());
        platform.messages.clear();
        platform.questions.clear();
        platform.answers = c.answers;
        platform.clipboard = c.pasted;
        press("clear");
        press("paste");
        press("cmd_ok");
        EXPECT_EQ(platform.questions.size(), c.asked.empty() ? 0u : 1u);
        for (const char* name : c.asked) {
            EXPECT_NE(platform.questions.front().find(name), std::string::npos) << name;
        }
        if (c.message != nullptr) {
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_NE(platform.messages[0].find(c.message), std::string::npos);
        } else {
            EXPECT_TRUE(platform.messages.empty());
        }
        EXPECT_EQ(job.pendingText(), c.values ? built(*c.values) : "old");
    }
}

TEST_F(ParameterListDialogTest, AValueThatWouldBreakTheFileIsRefusedAndTheDialogStays) {
    setValues({"ok", "a`b"});
    press("cmd_ok");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("Der Parameterwert \"a`b\""), std::string::npos);
    EXPECT_TRUE(job.pendingText().empty());
    EXPECT_EQ(dialog("frm_param"), param);
    EXPECT_EQ(values(), (Values{"ok", "a`b"}));
}

TEST_F(ParameterListDialogTest, SecondClickRaisesTheDialogWithItsLists) {
    setValues({"x"});
    control<QLineEdit>("txt_param")->setText("typed");
    EXPECT_EQ(openFunction("cmd_param", "frm_param"), param);
    EXPECT_EQ(values(), Values{"x"});
    EXPECT_EQ(control<QLineEdit>("txt_param")->text(), "typed");
}

TEST_F(ParameterListDialogTest, ResizingGrowsTheListsDownToTheMinimumSize) {
    param->resize(twips(7000 - 120), twips(8000 - 480));
    EXPECT_EQ(control("list_param")->geometry(),
              QRect(twips(2940), twips(1320), twips(3820), twips(5390)));
    EXPECT_EQ(control("list_part")->size(), QSize(twips(2700), twips(5390)));
    EXPECT_EQ(control("cmd_ok")->y(), twips(6875));

    param->resize(10, 10);
    EXPECT_EQ(param->size(), QSize(twips(5760), twips(5520)));
    EXPECT_EQ(control("list_param")->size(), QSize(twips(2700), twips(3390)));
    EXPECT_EQ(control("cmd_ok")->y(), twips(4875));
}

}  // namespace
}  // namespace stapelwerk
