#pragma once

class QWidget;

namespace stapelwerk {

// Places a widget at a design position given in twips (left, top, width, height).
void placeTwips(QWidget* widget, int left, int top, int width, int height);

}  // namespace stapelwerk
