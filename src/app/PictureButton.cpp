#include "app/PictureButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "app/twips.h"

namespace stapelwerk {

PictureButton::PictureButton(const QString& objectName, const QPixmap& picture,
                             const QString& toolTip, const QString& accessibleName,
                             QWidget* parent)
    : QLabel(parent) {
    setObjectName(objectName);
    setPixmap(picture);
    setAlignment(Qt::AlignCenter);
    setToolTip(toolTip);
    setAccessibleName(accessibleName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

}  // namespace stapelwerk
