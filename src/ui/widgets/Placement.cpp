#include "ui/widgets/Placement.h"

#include <QWidget>

#include "ui/widgets/twips.h"

namespace stapelwerk {

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

}  // namespace stapelwerk
