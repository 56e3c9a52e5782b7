#pragma once

#include <QPointer>
#include <QWidget>

namespace stapelwerk {

// Shows the dialog held in `slot` without blocking: an open one is only raised
// (keeping its input); otherwise `create()` makes a new one, deleted on close. Either way
// it gets the keyboard, also where no window manager gives it to a new window.
template <typename Dialog, typename Create>
Dialog* openOrRaise(QPointer<Dialog>& slot, Create create) {
    if (!slot) {
        slot = create();
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

}  // namespace stapelwerk
