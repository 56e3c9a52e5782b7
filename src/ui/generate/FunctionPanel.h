#pragma once

#include <QFrame>

#include "core/function_table.h"

namespace stapelwerk {

// The function panel `Frame2`: one button for each row of the function table.
class FunctionPanel : public QFrame {
    Q_OBJECT
public:
    explicit FunctionPanel(QWidget* parent);

signals:
    void functionRequested(stapelwerk::DoitFunction function);
};

}  // namespace stapelwerk
