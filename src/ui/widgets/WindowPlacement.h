#pragma once

class QRect;
class QWidget;

namespace stapelwerk {

// Moves the top-level `window` so that its frame stands centred on `area` (screen
// coordinates). Before the window is first shown its frame is taken as its size.
void centreOn(QWidget* window, const QRect& area);

}  // namespace stapelwerk
