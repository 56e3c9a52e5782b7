#include "ui/widgets/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace stapelwerk {

void centreOn(QWidget* window, const QRect& area) {
    const QSize frame = window->frameGeometry().size();
    window->move(area.x() + (area.width() - frame.width()) / 2,
                 area.y() + (area.height() - frame.height()) / 2);
}

void centreOverOwner(QWidget* dialog) {
    if (dialog->parentWidget() == nullptr) return;
    const QWidget* owner = dialog->parentWidget()->window();
    centreOn(dialog, owner->frameGeometry());
    const QRect screen = owner->screen()->availableGeometry();
    const QRect frame = dialog->frameGeometry();
    // A frame larger than the screen keeps its title bar in sight.
    dialog->move(dialog->pos() + QPoint(std::max(screen.left() - frame.left(),
                                                 std::min(0, screen.right() - frame.right())),
                                        std::max(screen.top() - frame.top(),
                                                 std::min(0, screen.bottom() - frame.bottom()))));
}

}  // namespace stapelwerk
