#pragma once

#include <QColor>
#include <QLine>
#include <vector>

class QWidget;

namespace stapelwerk {

// Draws `lines` (one pixel wide, in the widget's coordinates) onto `widget` each time it
// has painted itself. Lines are decoration, not controls: drawn rather than made of
// widgets, they stay out of what assistive technology lists.
void drawLinesOn(QWidget* widget, std::vector<QLine> lines, QColor colour = Qt::black);

}  // namespace stapelwerk
