#include "ui/widgets/LabelFit.h"

#include <QEvent>
#include <QLabel>
#include <QTextDocument>
#include <algorithm>

namespace stapelwerk {

namespace {
// Kept free between a grown label and the control beside it.
constexpr int kGap = 1;
// A label cut by fitToText keeps its whole text and how it was cut, for the next fit.
constexpr const char* kWholeText = "stapelwerkWholeText";
constexpr const char* kElideMode = "stapelwerkElideMode";

// How far the label may reach within its parent without covering another control.
struct Room {
    int left;
    int right;   // exclusive
    int bottom;  // exclusive
};

Room freeRoom(const QLabel* label) {
    const QRect own = label->geometry();
    const QRect inside = label->parentWidget()->contentsRect();
    Room room{inside.left(), inside.right() + 1, inside.bottom() + 1};
    for (const QObject* object : label->parentWidget()->children()) {
        const auto* other = qobject_cast<const QWidget*>(object);
        if (other == nullptr || other == label || other->isWindow()) continue;
        const QRect r = other->geometry();
        const bool beside = r.top() <= own.bottom() && r.bottom() >= own.top();
        if (beside && r.left() > own.right()) room.right = std::min(room.right, r.left() - kGap);
        if (beside && r.right() < own.left()) room.left = std::max(room.left, r.right() + 1 + kGap);
        const bool under = r.left() <= own.right() && r.right() >= own.left();
        if (under && r.top() > own.bottom()) room.bottom = std::min(room.bottom, r.top() - kGap);
    }
    room.left = std::min(room.left, own.left());
    room.right = std::max(room.right, own.right() + 1);
    room.bottom = std::max(room.bottom, own.bottom() + 1);
    return room;
}

// Where the label draws its text, and how: as QLabel draws plain text.
QRect textArea(const QLabel* label) {
    const int margin = label->margin();
    return label->contentsRect().marginsRemoved({margin, margin, margin, margin});
}

int textFlags(const QLabel* label) {
    return static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0) |
           (label->buddy() != nullptr ? Qt::TextShowMnemonic : 0);
}

// The size `text` takes in the label, wrapped (where the label wraps) at its width.
QSize textSize(const QLabel* label, const QString& text) {
    const int width = label->wordWrap() ? textArea(label).width() : 1 << 20;
    return label->fontMetrics()
        .boundingRect(QRect(0, 0, width, 1 << 20), textFlags(label), text)
        .size();
}

bool fits(const QLabel* label, const QString& text) {
    const QSize needed = textSize(label, text);
    const QRect area = textArea(label);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

// Grows the label towards what its text needs, as far as the room lets it.
void grow(QLabel* label) {
    const Room room = freeRoom(label);
    const QSize needed = textSize(label, label->text()) + label->size() - textArea(label).size();
    QRect place = label->geometry();
    if (needed.width() > place.width()) {
        place.setRight(std::min(room.right, place.left() + needed.width()) - 1);
        place.setLeft(std::max(room.left, place.right() + 1 - needed.width()));
    }
    if (needed.height() > place.height()) {
        place.setBottom(std::min(room.bottom, place.top() + needed.height()) - 1);
    }
    label->setGeometry(place);
}

// What of `text` the label shows, cut with "…": after the last word that fits where it
// wraps, else at `elide`.
QString cut(const QLabel* label, const QString& text, Qt::TextElideMode elide) {
    if (label->wordWrap()) {
        QString shown =
            wordsThatFit(text, [label](const QString& words) { return fits(label, words); });
        if (!shown.isEmpty()) return shown;
    }
    return label->fontMetrics().elidedText(text, elide, textArea(label).width());
}
}  // namespace

QString wordsThatFit(const QString& text, const std::function<bool(const QString&)>& fits) {
    const QStringList words = text.split(' ');
    for (qsizetype count = words.size() - 1; count > 0; --count) {
        QString shown = words.first(count).join(' ') + QChar(0x2026);
        if (fits(shown)) return shown;
    }
    return {};
}

void fitToText(QLabel* label, const QString& text, Qt::TextElideMode elide) {
    const bool wasCut = label->property(kWholeText).isValid();
    label->setText(text);
    label->setProperty(kWholeText, {});
    if (wasCut) label->setToolTip({});
    if (fits(label, text)) return;
    grow(label);
    if (fits(label, text)) return;
    label->setText(cut(label, text, elide));
    label->setToolTip(text);
    label->setAccessibleDescription(text);
    label->setProperty(kWholeText, text);
    label->setProperty(kElideMode, static_cast<int>(elide));
}

void fitLabels(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        // A dialog owned by the window fits its own; a layout places what it holds.
        if (label->window() != window || label->parentWidget()->layout() != nullptr) continue;
        const QVariant whole = label->property(kWholeText);
        const QString text = whole.isValid() ? whole.toString() : label->text();
        if (text.isEmpty() || Qt::mightBeRichText(text)) continue;
        const QVariant elide = label->property(kElideMode);
        fitToText(label, text,
                  elide.isValid() ? static_cast<Qt::TextElideMode>(elide.toInt()) : Qt::ElideRight);
    }
}

bool LabelFitter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow()) fitLabels(widget);
    }
    return false;
}

}  // namespace stapelwerk
