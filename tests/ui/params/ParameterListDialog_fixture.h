#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "support/TempDir.h"
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
    QListWidget* valueList() { return control<QListWidget>("list_param"); }
    QWidget* menu() { return control("kontextmenue"); }
    void press(const char* button) { control<QPushButton>(button)->click(); }
    void clickPicture(const char* picture) {
        QTest::mouseClick(control<PictureButton>(picture), Qt::LeftButton);
    }
    void pressValueList(Qt::MouseButton button) {
        sendMouse(valueList()->viewport(), QEvent::MouseButtonPress, button, {5, 5});
    }

    Values values() {
        Values result;
        for (int i = 0; i < valueList()->count(); ++i) {
            result.push_back(valueList()->item(i)->text().toStdString());
        }
        return result;
    }
    void setValues(const Values& values) {
        valueList()->clear();
        for (const std::string& value : values) valueList()->addItem(QString::fromStdString(value));
    }
    std::string storedName() { return setting("Lindwurm", "frm_param.txt_param.Text"); }
    std::string listFile() { return programDir.file("Lindwurm_param.txt"); }

    TempDir programDir;
    QDialog* param = nullptr;
};

}  // namespace stapelwerk::testing
