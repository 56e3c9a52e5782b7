#include "ui/widgets/ListTextDelegate.h"

namespace stapelwerk {

void ListTextDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.size() <= kShownLength) return;
    qsizetype end = kShownLength;
    if (option->text[end - 1].isHighSurrogate()) --end;  // a character is never cut in two
    option->text = option->text.left(end) + QChar(0x2026);
}

}  // namespace stapelwerk
