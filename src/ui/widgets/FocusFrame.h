#pragma once

#include <QWidget>

class QPainter;

namespace stapelwerk {

// The program's mark of the keyboard focus: a ring in the highlight colour just inside a
// control's edge, two pixels wide at every scale.
void paintFocusFrame(QPainter& painter, const QRect& area, const QPalette& palette);

// Draws the focus ring over a control whose style shows no focus of its own (a list
// without entries, a directory list, a text area): a transparent layer on top of it, seen
// while the control has the focus.
class FocusFrame : public QWidget {
    Q_OBJECT
public:
    // The frame belongs to `control`.
    static void attach(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit FocusFrame(QWidget* control);

    QWidget* control_;
};

}  // namespace stapelwerk
