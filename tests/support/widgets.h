#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace stapelwerk::testing {

// The child named `name`; fails the test when there is none of that type.
template <typename T>
T* child(const QObject* root, const char* name) {
    T* found = root->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no child " << name;
    if (found == nullptr) throw std::runtime_error(std::string("no child ") + name);
    return found;
}

// A mouse press or move delivered straight to a widget at a local position.
inline void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const QPointF local(at);
    QMouseEvent event(type, local, widget->mapToGlobal(local), button,
                      type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The widget that Tab moves the keyboard focus to from `widget`.
inline QWidget* nextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !((next->focusPolicy() & Qt::TabFocus) && next->isVisible() &&
                               next->isEnabled())) {
        next = next->nextInFocusChain();
    }
    return next;
}

}  // namespace stapelwerk::testing
