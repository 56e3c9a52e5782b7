#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "generate/doit_builder.h"
#include "params/parameter_tails.h"
#include "ui/support/MainWindowFixture.h"

namespace stapelwerk {
namespace {

using testing::child;

class ParameterDeletionDialogTest : public testing::MainWindowFixture {
protected:
    ParameterDeletionDialogTest() { confirmEntries("welle.prt\r\n"); }

    QDialog* open() { return openFunction("cmd_ploesch", "frm_ploesch"); }
    QLineEdit* name(QDialog* dialog) { return child<QLineEdit>(dialog, "txt_parameter"); }
    void ok(QDialog* dialog) { child<QPushButton>(dialog, "cmd_ploesch")->click(); }
    std::string storedName() { return setting("Lindwurm", "frm_ploesch.txt_parameter.Text"); }
};

TEST_F(ParameterDeletionDialogTest, OpensWithParameterNameAndTheOkButtonFocused) {
    QDialog* dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Parameter loeschen");
    EXPECT_EQ(name(dialog)->text(), "ParameterName");
    EXPECT_EQ(dialog->focusWidget(), child<QPushButton>(dialog, "cmd_ploesch"));
    EXPECT_EQ(testing::nextTabStop(dialog->focusWidget()), name(dialog));
}

TEST_F(ParameterDeletionDialogTest, NameIsShownStoredAndBuiltInCapitals) {
    QDialog* opened = open();
    name(opened)->setText("länge");
    ok(opened);
    EXPECT_EQ(name(opened)->text(), "LÄNGE");
    EXPECT_EQ(storedName(), "LÄNGE");
    EXPECT_EQ(job.pendingText(),
              buildOpenAndApply({"welle.prt"}, deletionTail("LÄNGE").value()).value());
    EXPECT_TRUE(child<QWidget>(&window, "cmd_fcreate")->isVisible());
    EXPECT_EQ(dialog("frm_ploesch"), nullptr);
    EXPECT_EQ(name(open())->text(), "LÄNGE") << "the next opening shows the capital form";
}

TEST_F(ParameterDeletionDialogTest, SecondClickRaisesTheOpenDialogWithItsInput) {
    QDialog* first = open();
    name(first)->setText("typed");
    platform.settings[{"Lindwurm", "Optionen", "frm_ploesch.txt_parameter.Text"}] = "OTHER";
    EXPECT_EQ(open(), first);
    EXPECT_EQ(name(first)->text(), "typed");
}

TEST_F(ParameterDeletionDialogTest, ANameThatWouldBreakTheFileIsRefusedAndTheDialogStays) {
    QDialog* opened = open();
    name(opened)->setText("a`b");
    ok(opened);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("Der Parametername \"A`B\""), std::string::npos)
        << platform.messages[0];
    EXPECT_TRUE(job.pendingText().empty());
    EXPECT_EQ(dialog("frm_ploesch"), opened);
}

TEST_F(ParameterDeletionDialogTest, ClosingWithoutOkStoresNothing) {
    QDialog* opened = open();
    name(opened)->setText("typed");
    opened->close();
    EXPECT_EQ(dialog("frm_ploesch"), nullptr);
    EXPECT_EQ(storedName(), "<missing>");
}

}  // namespace
}  // namespace stapelwerk
