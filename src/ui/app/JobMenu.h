#pragma once

#include <QToolButton>

namespace stapelwerk {

// The button "Auftrag" with its menu: open a job record, save the present job as one, or
// list the last jobs written. Its
// shortcuts (Ctrl+O, Ctrl+Shift+S) work in every window of the program.
class JobMenu : public QToolButton {
    Q_OBJECT
public:
    explicit JobMenu(QWidget* window);

signals:
    void openRequested();
    void saveRequested();
    void recentRequested();
};

}  // namespace stapelwerk
