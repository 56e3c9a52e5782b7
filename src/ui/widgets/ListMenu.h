#pragma once

#include <QObject>

class QAbstractItemView;
class QWidget;

namespace stapelwerk {

// The menu of buttons that opens over one of the program's editable lists. A right press
// on the list opens it and leaves the selection alone, a left press closes it; the menu
// key and Shift+F10 open it with its first button focused, Escape closes it. Whenever it
// closes while focus is inside it, focus goes back to the list, so that the list's keys
// (Enter among them) work again at once.
class ListMenu : public QObject {
    Q_OBJECT
public:
    // `menu` is a child of the list's window, hidden until opened; it owns this.
    ListMenu(QWidget* menu, QAbstractItemView* list);

    void open();
    void openFromKeyboard();
    void close();
    bool isOpen() const;

signals:
    void opened();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool takeListEvent(QEvent* event);

    QWidget* menu_;
    QAbstractItemView* list_;
    QWidget* viewport_;
};

}  // namespace stapelwerk
