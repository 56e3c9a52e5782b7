#include "ui/widgets/WrappedButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace stapelwerk {

WrappedButton::WrappedButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void WrappedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect textArea =
        style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(1, 0, -1, 0);
    const int mnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)
                             ? Qt::TextShowMnemonic
                             : Qt::TextHideMnemonic;
    painter.drawItemText(textArea, Qt::AlignCenter | Qt::TextWordWrap | mnemonic, palette(),
                         isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace stapelwerk
