#include "ui/widgets/WrappedButton.h"

#include <QEvent>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/widgets/LabelFit.h"

namespace stapelwerk {

namespace {
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
}  // namespace

WrappedButton::WrappedButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

bool WrappedButton::captionFits(const QString& caption, const QRect& area) const {
    const QRect needed = fontMetrics().boundingRect(area, kCaptionFlags, caption);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

QRect WrappedButton::captionArea() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(1, 0, -1, 0);
    if (captionFits(text(), contents)) return contents;
    // Lines that need more than the style's padding leaves take the button's whole height:
    // its frame then runs through the space above and below the letters.
    return {contents.left(), 0, contents.width(), height()};
}

QString WrappedButton::shownCaption() const {
    const QRect area = captionArea();
    if (captionFits(text(), area)) return text();
    QString words =
        wordsThatFit(text(), [&](const QString& shown) { return captionFits(shown, area); });
    if (!words.isEmpty()) return words;
    return fontMetrics().elidedText(text(), Qt::ElideRight, area.width(), Qt::TextShowMnemonic);
}

void WrappedButton::describe() {
    if (shownCaption() != text()) setToolTip(QString(text()).remove(QRegularExpression("&(?!&)")));
}

void WrappedButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    describe();
}

void WrappedButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) describe();
}

void WrappedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const int mnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)
                             ? Qt::TextShowMnemonic
                             : Qt::TextHideMnemonic;
    painter.drawItemText(captionArea(), Qt::AlignCenter | Qt::TextWordWrap | mnemonic, palette(),
                         isEnabled(), shownCaption(), QPalette::ButtonText);
}

}  // namespace stapelwerk
