#pragma once

#include <QObject>

namespace stapelwerk {

// Enter presses the focused push button, as Space does, in every window of the program:
// users reach a button by Tab and confirm with Enter. Installed on the application.
class EnterPressesButtons : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace stapelwerk
