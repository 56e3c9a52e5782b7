#pragma once

#include <QStyledItemDelegate>

namespace stapelwerk {

// Draws an item of a list with no more than the beginning of its text. Laying out a line of
// millions of characters (one pasted line of ten megabytes) takes seconds, at every repaint
// of the list, and no list is wide enough to show more than its beginning; the model keeps
// the whole text. A row is tall enough for the dots of a capital umlaut (TRÄGER).
class ListTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Characters of a text that an item shows at most; a longer one ends in "…".
    static constexpr qsizetype kShownLength = 1000;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace stapelwerk
