#pragma once

#include <QLabel>

namespace stapelwerk {

// A label that acts on a click, and on Space or Enter once it has the keyboard focus,
// which it shows by the program's focus frame.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace stapelwerk
