#include "ui/widgets/FocusFrame.h"

#include <QEvent>
#include <QPainter>

namespace stapelwerk {

void paintFocusFrame(QPainter& painter, const QRect& area, const QPalette& palette) {
    constexpr int kWidth = 2;
    painter.save();
    QPen pen(palette.color(QPalette::Active, QPalette::Highlight), kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(area).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
    painter.restore();
}

FocusFrame::FocusFrame(QWidget* control) : QWidget(control), control_(control) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(control->rect());
    setVisible(control->hasFocus());
    control->installEventFilter(this);
}

void FocusFrame::attach(QWidget* control) { new FocusFrame(control); }

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_) {
        switch (event->type()) {
            case QEvent::FocusIn:
                setGeometry(control_->rect());
                show();
                raise();  // over what the control added since, its viewport among them
                break;
            case QEvent::FocusOut:
                hide();
                break;
            case QEvent::Resize:
                setGeometry(control_->rect());
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFocusFrame(painter, rect(), control_->palette());
}

}  // namespace stapelwerk
