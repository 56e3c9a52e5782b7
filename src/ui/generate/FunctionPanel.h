#pragma once

#include <QFrame>

namespace stapelwerk {

// The function panel `Frame2`: one button for each kind of doit.pro.
class FunctionPanel : public QFrame {
    Q_OBJECT
public:
    explicit FunctionPanel(QWidget* parent);

signals:
    void mapkeyChainRequested();
    void parameterAssignmentRequested();
    void parameterDeletionRequested();
    void saveAsRequested();
};

}  // namespace stapelwerk
