#include "app/PictureButton.h"

#include "app/Artwork.h"
#include "app/twips.h"

namespace stapelwerk {

PictureButton::PictureButton(const QString& objectName, const QPixmap& picture,
                             const QString& toolTip, const QString& accessibleName,
                             QWidget* parent)
    : ClickableLabel(QString(), parent) {
    setObjectName(objectName);
    setPixmap(picture);
    setAlignment(Qt::AlignCenter);
    setToolTip(toolTip);
    setAccessibleName(accessibleName);
    setCursor(artwork::handCursor());
}

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

}  // namespace stapelwerk
