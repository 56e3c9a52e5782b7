#include "ui/widgets/DrawnLines.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace stapelwerk {

namespace {
class LineDrawing : public QObject {
public:
    LineDrawing(QWidget* widget, std::vector<QLine> lines, QColor colour)
        : QObject(widget), widget_(widget), lines_(std::move(lines)), colour_(colour) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != widget_ || event->type() != QEvent::Paint) return false;
        // The widget paints first (its event bypasses this filter), the lines go on top.
        static_cast<QObject*>(widget_)->event(event);
        QPainter painter(widget_);
        painter.setPen(QPen(colour_, 0));
        for (const QLine& line : lines_) painter.drawLine(line);
        return true;
    }

private:
    QWidget* widget_;
    std::vector<QLine> lines_;
    QColor colour_;
};
}  // namespace

void drawLinesOn(QWidget* widget, std::vector<QLine> lines, QColor colour) {
    new LineDrawing(widget, std::move(lines), colour);
}

}  // namespace stapelwerk
