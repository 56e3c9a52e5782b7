#pragma once

#include <QDialog>

class QLineEdit;

namespace stapelwerk {

class MainWindow;

// `frm_mapkeyneu`: asks for the chain of the user's own mapkeys that runs on
// every file, remembers it and builds the doit text with it.
class MapkeyChainDialog : public QDialog {
    Q_OBJECT
public:
    explicit MapkeyChainDialog(MainWindow& main);

private:
    void build();

    MainWindow& main_;
    QLineEdit* chain_ = nullptr;
};

}  // namespace stapelwerk
