#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>
#include <ostream>

#include "core/work_list.h"

// Readable failure output for the values the widget tests compare.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace stapelwerk {
inline void PrintTo(const WorkEntryView entry, std::ostream* out) {
    *out << '"' << entry.text << '"' << (entry.selected ? " (selected)" : "");
}
}  // namespace stapelwerk

namespace stapelwerk::testing {

inline QString qs(const std::string& text) { return QString::fromStdString(text); }

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
    while (next != widget &&
           !((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled())) {
        next = next->nextInFocusChain();
    }
    return next;
}

// The entry of a tree (a directory list) with the text `name`; fails the test
// when there is not exactly one.
inline QTreeWidgetItem* entry(QTreeWidget* tree, const QString& name) {
    const QList<QTreeWidgetItem*> found =
        tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    EXPECT_EQ(found.size(), 1) << "entries named " << name.toStdString();
    if (found.isEmpty()) throw std::runtime_error("no entry " + name.toStdString());
    return found.first();
}

inline void clickEntry(QTreeWidget* tree, const QString& name) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(entry(tree, name)).center());
}

// A double click as the system delivers it: a click, then the double click.
inline void doubleClickEntry(QTreeWidget* tree, const QString& name) {
    const QPoint place = tree->visualItemRect(entry(tree, name)).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, place);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, place);
}

}  // namespace stapelwerk::testing
