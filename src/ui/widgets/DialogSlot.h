#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/widgets/WindowPlacement.h"

namespace stapelwerk {

// Shows the dialog held in `slot` without blocking: an open one is only raised
// (keeping its input); otherwise `create()` makes a new one, deleted on close. Either way
// it gets the keyboard, also where no window manager gives it to a new window. A new one
// that does not choose its own place stands centred over the window: without a window
// manager nothing else would place it.
template <typename Dialog, typename Create>
Dialog* openOrRaise(QPointer<Dialog>& slot, Create create) {
    if (!slot) {
        slot = create();
        slot->setAttribute(Qt::WA_DeleteOnClose);
        const bool placed = slot->testAttribute(Qt::WA_Moved);
        slot->show();
        if (!placed) centreOverOwner(slot);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

}  // namespace stapelwerk
