#pragma once

#include "ui/widgets/ClickableLabel.h"

namespace stapelwerk {

// A clickable picture with a tool tip, a name for screen readers and the hand pointer.
class PictureButton : public ClickableLabel {
    Q_OBJECT
public:
    PictureButton(const QString& objectName, const QPixmap& picture, const QString& toolTip,
                  const QString& accessibleName, QWidget* parent);
};

}  // namespace stapelwerk
