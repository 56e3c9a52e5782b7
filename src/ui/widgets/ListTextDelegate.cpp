#include "ui/widgets/ListTextDelegate.h"

#include <QFontMetrics>
#include <algorithm>

namespace stapelwerk {

// The font's height leaves the dots of "Ä" above its ascent in some fonts, where the marked
// row above paints over them.
QSize ListTextDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QFontMetrics metrics(option.font);
    const int capitalsWithDots = -metrics.tightBoundingRect(QStringLiteral("ÄÖÜÅ")).top();
    const int needed = capitalsWithDots + metrics.descent() + 2;  // a pixel of air each side
    size.setHeight(std::max(size.height(), needed));
    return size;
}

void ListTextDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.size() <= kShownLength) return;
    qsizetype end = kShownLength;
    if (option->text[end - 1].isHighSurrogate()) --end;  // a character is never cut in two
    option->text = option->text.left(end) + QChar(0x2026);
}

}  // namespace stapelwerk
