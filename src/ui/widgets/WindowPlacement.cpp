#include "ui/widgets/WindowPlacement.h"

#include <QWidget>

namespace stapelwerk {

void centreOn(QWidget* window, const QRect& area) {
    const QSize frame = window->frameGeometry().size();
    window->move(area.x() + (area.width() - frame.width()) / 2,
                 area.y() + (area.height() - frame.height()) / 2);
}

}  // namespace stapelwerk
