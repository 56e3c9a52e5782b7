#pragma once

#include <QDialog>

class QLineEdit;

namespace stapelwerk {

class MainWindow;

// `frm_ploesch`: asks for the parameter to delete from every part and builds
// the doit text; the name is used, stored and shown in capital letters.
class ParameterDeletionDialog : public QDialog {
    Q_OBJECT
public:
    explicit ParameterDeletionDialog(MainWindow& main);

private:
    void build();

    MainWindow& main_;
    QLineEdit* name_ = nullptr;
};

}  // namespace stapelwerk
