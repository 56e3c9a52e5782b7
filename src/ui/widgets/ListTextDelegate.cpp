#include "ui/widgets/ListTextDelegate.h"

#include <QFontMetrics>
#include <algorithm>

namespace stapelwerk {

// The font's height leaves the dots of "Ä" above its ascent in some fonts, where the marked
// row above or the list's focus frame paints over them: the text, drawn centred, gets air
// above its dots and below its descent.
QSize ListTextDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QFontMetrics metrics(option.font);
    const int dotsAboveAscent =
        std::max(0, -metrics.tightBoundingRect(QStringLiteral("ÄÖÜÅ")).top() - metrics.ascent());
    constexpr int kAir = 3;  // the focus frame is two pixels wide
    size.setHeight(std::max(size.height(), metrics.height() + 2 * (dotsAboveAscent + kAir)));
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
