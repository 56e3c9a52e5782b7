#pragma once

class QRect;
class QWidget;

namespace stapelwerk {

// Moves the top-level `window` so that its frame stands centred on `area` (screen
// coordinates). Before the window is first shown its frame is taken as its size.
void centreOn(QWidget* window, const QRect& area);

// Centres the top-level `dialog` over the window of its parent, as far as its screen's free
// area allows; one without a parent stays where it is.
void centreOverOwner(QWidget* dialog);

}  // namespace stapelwerk
