#pragma once

#include <QObject>
#include <functional>
#include <string>

class QLabel;
class QWidget;

namespace stapelwerk {

// Follows the pointer over the main window and puts the explanation of the control
// beneath it into the label `Erklaer`. It watches the window and the explained controls
// that exist when it is made, wherever they sit (also inside the panels).
class ExplanationTracker : public QObject {
    Q_OBJECT
public:
    // `outputDirectory` gives the text of `txt_pro` at each movement.
    ExplanationTracker(QWidget* window, QLabel* explanation,
                       std::function<std::string()> outputDirectory);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* widget);
    QString controlAt(QPoint windowPosition) const;

    QWidget* window_;
    QLabel* explanation_;
    std::function<std::string()> outputDirectory_;
};

}  // namespace stapelwerk
