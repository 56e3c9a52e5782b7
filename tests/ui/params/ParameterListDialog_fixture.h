#pragma once

#include <QDialog>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "ui/params/ValueListModel.h"
#include "ui/support/MainWindowFixture.h"
#include "ui/widgets/PictureButton.h"

namespace stapelwerk::testing {

using Values = std::vector<std::string>;

// The parameter dialog opened on two confirmed parts, its value list file in a program
// directory of its own.
class ParameterListDialogTest : public testing::MainWindowFixture {
protected:
    ParameterListDialogTest() {
        platform.programDir = programDir.path();
        confirmEntries("Name\r\nwelle.prt\r\nflansch.prt\r\n");
        param = openFunction("cmd_param", "frm_param");
        EXPECT_NE(param, nullptr);
    }

    template <typename T = QWidget>
    T* control(const char* name) {
        return child<T>(param, name);
    }
    QListView* valueList() { return control<QListView>("list_param"); }
    QWidget* menu() { return control("kontextmenue"); }
    void press(const char* button) { control<QPushButton>(button)->click(); }
    void clickPicture(const char* picture) {
        QTest::mouseClick(control<PictureButton>(picture), Qt::LeftButton);
    }
    void pressValueList(Qt::MouseButton button) {
        sendMouse(valueList()->viewport(), QEvent::MouseButtonPress, button, {5, 5});
    }

    // What the value list shows.
    Values values() {
        const QAbstractItemModel* shown = valueList()->model();
        Values result;
        for (int row = 0; row < shown->rowCount(); ++row) {
            result.push_back(shown->index(row, 0).data().toString().toStdString());
        }
        return result;
    }
    void setValues(const Values& values) {
        qobject_cast<ValueListModel*>(valueList()->model())->setValues(values);
    }
    std::string storedName() { return setting("Lindwurm", "frm_param.txt_param.Text"); }
    std::string listFile() { return programDir.file("Lindwurm_param.txt"); }

    TempDir programDir;
    QDialog* param = nullptr;
};

}  // namespace stapelwerk::testing
