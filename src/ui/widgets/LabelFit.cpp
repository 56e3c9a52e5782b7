#include "ui/widgets/LabelFit.h"

#include <QLabel>

namespace stapelwerk {

void widenToText(QLabel* label, KeepEdge keep) {
    const int needed = label->sizeHint().width();
    if (needed <= label->width()) return;
    const int left = keep == KeepEdge::left ? label->x() : label->x() + label->width() - needed;
    label->setGeometry(left, label->y(), needed, label->height());
}

}  // namespace stapelwerk
