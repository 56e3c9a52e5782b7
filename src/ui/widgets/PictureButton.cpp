#include "ui/widgets/PictureButton.h"

#include "ui/widgets/Artwork.h"

namespace stapelwerk {

PictureButton::PictureButton(const QString& objectName, const QPixmap& picture,
                             const QString& toolTip, const QString& accessibleName, QWidget* parent)
    : ClickableLabel(QString(), parent) {
    setObjectName(objectName);
    setPixmap(picture);
    setAlignment(Qt::AlignCenter);
    setToolTip(toolTip);
    setAccessibleName(accessibleName);
    setCursor(artwork::handCursor());
}

}  // namespace stapelwerk
