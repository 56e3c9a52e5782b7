#include "ui/app/GuardedApplication.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "core/texts.h"
#include "ui/widgets/QtText.h"

namespace stapelwerk {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        endOutOfMemory();
    }
}

void endOutOfMemory() {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(texts::kMessageOutOfMemory.size()),
                 texts::kMessageOutOfMemory.data());
    std::fflush(stderr);
    // The unwinding gave back what the failed step held; should the box still not fit,
    // the terminal has the message.
    try {
        if (QApplication::instance() != nullptr) {
            QMessageBox::critical(nullptr, qt(texts::kMessageTitle),
                                  qt(texts::kMessageOutOfMemory));
        }
    } catch (const std::bad_alloc&) {
    }
    std::_Exit(1);
}

}  // namespace stapelwerk
