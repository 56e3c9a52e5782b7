#include "ui/widgets/ElidingLineEdit.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace stapelwerk {

namespace {
// QLineEdit keeps this much room between its frame and its text.
constexpr int kTextMarginX = 2;
constexpr int kTextMarginY = 1;
}  // namespace

ElidingLineEdit::ElidingLineEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this, &ElidingLineEdit::describe);
    describe();
}

QRect ElidingLineEdit::textArea() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins())
        .adjusted(kTextMarginX, kTextMarginY, -kTextMarginX, -kTextMarginY);
}

bool ElidingLineEdit::isCut() const {
    return fontMetrics().horizontalAdvance(text()) > textArea().width();
}

void ElidingLineEdit::describe() {
    setAccessibleDescription(text());
    setToolTip(isCut() ? text() : QString());
}

void ElidingLineEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    describe();
}

// A text that fits is drawn as any field draws it; a cut one by hand, ending in "…".
void ElidingLineEdit::paintEvent(QPaintEvent* event) {
    if (!isCut()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    const QRect area = textArea();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}

}  // namespace stapelwerk
