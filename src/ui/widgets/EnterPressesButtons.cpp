#include "ui/widgets/EnterPressesButtons.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace stapelwerk {

bool EnterPressesButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                       (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    // Keys go to the focused widget, and a key a child passes on reaches its parents, never
    // its buttons: a button that receives Enter is the focused one.
    if (!enter || button == nullptr || !button->isEnabled()) return false;
    if (qobject_cast<QPushButton*>(button) == nullptr &&
        qobject_cast<QToolButton*>(button) == nullptr) {
        return false;
    }
    button->click();
    return true;
}

}  // namespace stapelwerk
