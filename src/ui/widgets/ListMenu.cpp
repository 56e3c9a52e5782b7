#include "ui/widgets/ListMenu.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace stapelwerk {

ListMenu::ListMenu(QWidget* menu, QAbstractItemView* list)
    : QObject(menu), menu_(menu), list_(list), viewport_(list->viewport()) {
    list_->installEventFilter(this);
    viewport_->installEventFilter(this);
    menu_->installEventFilter(this);
}

void ListMenu::open() {
    menu_->show();
    menu_->raise();
    emit opened();
}

void ListMenu::openFromKeyboard() {
    open();
    for (QWidget* next = menu_->nextInFocusChain(); next != menu_ && menu_->isAncestorOf(next);
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isVisibleTo(menu_)) {
            next->setFocus(Qt::PopupFocusReason);
            return;
        }
    }
}

void ListMenu::close() {
    const bool focusInside = menu_->isAncestorOf(QApplication::focusWidget());
    menu_->hide();
    if (focusInside) list_->setFocus(Qt::PopupFocusReason);
}

bool ListMenu::isOpen() const { return menu_->isVisible(); }

bool ListMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menu_) {
        // A key the focused button did not take comes up to the menu.
        const bool escape = event->type() == QEvent::KeyPress &&
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        if (escape) close();
        return escape;
    }
    // Compared by address only: events still arrive while the list is being destroyed.
    if (watched == viewport_ && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::RightButton) {
            open();
            return true;
        }
        if (press->button() == Qt::LeftButton) close();
        return false;
    }
    return watched == list_ && takeListEvent(event);
}

bool ListMenu::takeListEvent(QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        // One from a right press comes after the press has opened the menu.
        if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
            openFromKeyboard();
        }
        return true;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool menuKey = key->key() == Qt::Key_Menu ||
                         (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
    if (menuKey) openFromKeyboard();
    return menuKey;
}

}  // namespace stapelwerk
