#include "ui/widgets/Artwork.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <initializer_list>
#include <optional>

namespace stapelwerk::artwork {

namespace {
const QColor kInk(40, 60, 110);
const QColor kGreen(40, 160, 70);
const QColor kDarkGreen(20, 100, 40);

// A transparent pixmap with as many device pixels as the screen shows for `size`.
QPixmap blank(QSize size) {
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Drawings are made on a `grid` (100 x 100 unless said otherwise), scaled evenly to fit
// the picture and centred in it.
void prepare(QPainter& painter, QSize size, QSizeF grid = {100, 100}) {
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = std::min(size.width() / grid.width(), size.height() / grid.height());
    painter.translate((size.width() - grid.width() * scale) / 2,
                      (size.height() - grid.height() * scale) / 2);
    painter.scale(scale, scale);
}

void drawSheet(QPainter& painter, const QRectF& sheet) {
    painter.setPen(QPen(kInk, 2.5));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.setPen(QPen(QColor(90, 120, 190), 2));
    const qreal left = sheet.left() + 8;
    const qreal right = sheet.right() - 8;
    for (qreal y = sheet.top() + 12; y < sheet.bottom() - 6; y += 9) {
        painter.drawLine(QPointF(left, y), QPointF(right, y));
    }
}

void drawStack(QPainter& painter) {
    drawSheet(painter, QRectF(30, 8, 55, 62));
    drawSheet(painter, QRectF(22, 18, 55, 62));
    drawSheet(painter, QRectF(14, 28, 55, 62));
}

// A green disc with a white tick, in `box`.
void drawTick(QPainter& painter, const QRectF& box) {
    painter.setPen(QPen(kDarkGreen, box.width() * 0.06));
    painter.setBrush(kGreen);
    painter.drawEllipse(box);
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.26, box.top() + box.height() * 0.52);
    tick.lineTo(box.left() + box.width() * 0.44, box.top() + box.height() * 0.70);
    tick.lineTo(box.left() + box.width() * 0.75, box.top() + box.height() * 0.32);
    painter.setPen(QPen(Qt::white, box.width() * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
}

// The polygon through `corners`, closed back to the first one.
QPainterPath closedPath(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.addPolygon(QPolygonF(corners));
    path.closeSubpath();
    return path;
}

// A yellow folder filling `box`, its tab on the left.
void drawFolder(QPainter& painter, const QRectF& box, qreal penWidth) {
    const qreal tabHeight = box.height() / 7;
    const QPainterPath folder = closedPath(
        {box.topLeft(), QPointF(box.left() + box.width() * 0.375, box.top()),
         QPointF(box.left() + box.width() * 0.475, box.top() + tabHeight),
         QPointF(box.right(), box.top() + tabHeight), box.bottomRight(), box.bottomLeft()});
    painter.setPen(QPen(QColor(120, 90, 0), penWidth));
    painter.setBrush(QColor(245, 200, 70));
    painter.drawPath(folder);
}

// A pointing hand on a 32 x 32 grid, the tip of the index finger at (11, 1).
QPainterPath handOutline() {
    const auto rounded = [](const QRectF& box, qreal radius) {
        QPainterPath part;
        part.addRoundedRect(box, radius, radius);
        return part;
    };
    QPainterPath thumb;
    thumb.moveTo(9, 22);
    thumb.lineTo(3.5, 15.5);
    thumb.cubicTo(1.5, 13, 4.5, 10.5, 6.5, 12.5);
    thumb.lineTo(11, 17);
    thumb.closeSubpath();
    QPainterPath wrist;
    wrist.addRect(QRectF(11, 25, 13, 5));
    return rounded(QRectF(8.5, 0.5, 5, 17), 2.5)         // index finger
        .united(rounded(QRectF(13.5, 8, 4.5, 11), 2.2))  // middle finger
        .united(rounded(QRectF(18, 9.5, 4.5, 10), 2.2))  // ring finger
        .united(rounded(QRectF(22.5, 11.5, 4, 9), 2))    // little finger
        .united(rounded(QRectF(8.5, 14, 18, 13), 4))     // palm
        .united(thumb)
        .united(wrist);
}

QPixmap handPixmap(bool withFolder) {
    const QSize size(32, 32);
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(handOutline());
    painter.setPen(QPen(Qt::black, 0.8));
    for (const qreal x : {13.5, 18.0, 22.5}) painter.drawLine(QPointF(x, 12), QPointF(x, 16));
    painter.setPen(QPen(QColor(20, 60, 140), 1.6));
    painter.drawLine(QPointF(11, 28), QPointF(24, 28));  // a blue cuff
    if (withFolder) drawFolder(painter, QRectF(19, 22, 12, 9), 1);
    return pixmap;
}
}  // namespace

QPixmap filesPicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter, size);
    drawStack(painter);
    return pixmap;
}

QPixmap infoPicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter, size);
    painter.setPen(QPen(QColor(20, 50, 130), 4));
    painter.setBrush(QColor(50, 110, 210));
    painter.drawEllipse(QRectF(6, 6, 88, 88));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(43, 20, 14, 14));
    painter.drawRoundedRect(QRectF(43, 40, 14, 40), 4, 4);
    return pixmap;
}

QPixmap exitPicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter, size);
    painter.setPen(QPen(QColor(60, 40, 20), 4));
    painter.setBrush(QColor(205, 160, 100));
    painter.drawRect(QRectF(14, 8, 44, 84));
    painter.setBrush(QColor(120, 70, 30));
    const QPainterPath door =
        closedPath({QPointF(14, 8), QPointF(40, 18), QPointF(40, 98), QPointF(14, 92)});
    painter.drawPath(door);
    painter.setPen(QPen(QColor(200, 30, 30), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(52, 50), QPointF(90, 50));
    painter.drawLine(QPointF(76, 36), QPointF(90, 50));
    painter.drawLine(QPointF(76, 64), QPointF(90, 50));
    return pixmap;
}

QPixmap closePicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter, size);
    painter.setPen(QPen(QColor(120, 0, 0), 4));
    painter.setBrush(QColor(215, 40, 40));
    painter.drawEllipse(QRectF(6, 6, 88, 88));
    painter.setPen(QPen(Qt::white, 12, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(32, 32), QPointF(68, 68));
    painter.drawLine(QPointF(68, 32), QPointF(32, 68));
    return pixmap;
}

QPixmap browserPicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter, size);
    drawFolder(painter, QRectF(6, 24, 80, 56), 3);
    painter.setPen(QPen(QColor(30, 30, 30), 7, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(QColor(220, 235, 255, 200));
    painter.drawEllipse(QRectF(44, 44, 30, 30));
    painter.drawLine(QPointF(70, 70), QPointF(92, 92));
    return pixmap;
}

QPixmap savePicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter, size);
    painter.setPen(QPen(QColor(20, 30, 70), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(QColor(50, 80, 160));
    const QPainterPath disk = closedPath(
        {QPointF(8, 8), QPointF(80, 8), QPointF(92, 20), QPointF(92, 92), QPointF(8, 92)});
    painter.drawPath(disk);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 205, 215));
    painter.drawRect(QRectF(24, 10, 48, 28));  // the shutter
    painter.setBrush(QColor(50, 80, 160));
    painter.drawRect(QRectF(56, 14, 10, 20));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(18, 52, 64, 36));  // the label
    painter.setPen(QPen(QColor(90, 120, 190), 3));
    painter.drawLine(QPointF(24, 64), QPointF(76, 64));
    painter.drawLine(QPointF(24, 76), QPointF(76, 76));
    return pixmap;
}

QPixmap tagPicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter, size);
    painter.setPen(QPen(QColor(120, 70, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 200, 90));
    const QPainterPath tag = closedPath(
        {QPointF(6, 50), QPointF(34, 12), QPointF(94, 12), QPointF(94, 88), QPointF(34, 88)});
    painter.drawPath(tag);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(22, 42, 16, 16));  // the hole for the string
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(58);
    painter.setFont(font);
    painter.setPen(QColor(20, 50, 130));
    painter.drawText(QRectF(40, 12, 54, 76), Qt::AlignCenter, "?");
    return pixmap;
}

QPixmap finishedPicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter, size, {150, 110});

    // The written file: a sheet with a folded corner and mapkey lines, "~" marking each.
    const QPainterPath sheet = closedPath(
        {QPointF(30, 6), QPointF(92, 6), QPointF(108, 22), QPointF(108, 104), QPointF(30, 104)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawPath(sheet.translated(3, 3));
    painter.setPen(QPen(kInk, 2));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(92, 6);
    corner.lineTo(92, 22);
    corner.lineTo(108, 22);
    painter.setBrush(QColor(215, 225, 245));
    painter.drawPath(corner);

    painter.setPen(QPen(QColor(200, 120, 20), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(38, 18), QPointF(64, 18));  // the mapkey's name
    const qreal lengths[] = {52, 44, 56, 38, 50, 30, 46};
    qreal y = 30;
    for (const qreal length : lengths) {
        painter.setPen(QPen(kGreen, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(38, y), QPointF(41, y));
        painter.setPen(QPen(QColor(90, 120, 190), 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(45, y), QPointF(45 + length, y));
        y += 10;
    }

    drawTick(painter, QRectF(88, 54, 50, 50));
    return pixmap;
}

QPixmap okPicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter, size);
    drawTick(painter, QRectF(4, 4, 92, 92));
    return pixmap;
}

QPixmap programPicture(int size) {
    QPixmap pixmap = blank({size, size});
    QPainter painter(&pixmap);
    prepare(painter, {size, size});
    drawStack(painter);
    painter.setPen(QPen(kDarkGreen, 3));
    painter.setBrush(kGreen);
    painter.drawEllipse(QRectF(52, 52, 44, 44));
    const QPainterPath start = closedPath({QPointF(67, 63), QPointF(85, 74), QPointF(67, 85)});
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(start);
    return pixmap;
}

namespace {
// Draws the program picture in the size asked for, when it is asked for: at start-up no
// size is needed yet.
class ProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawPixmap(rect, programPicture(std::min(rect.width(), rect.height())));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return programPicture(std::min(size.width(), size.height()));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int size : kProgramIconSizes) sizes.append({size, size});
        return sizes;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
};

// Every picture button wears the hand: it is drawn once, and let go with the application.
std::optional<QCursor> cursors[2];

const QCursor& hand(bool withFolder) {
    std::optional<QCursor>& cursor = cursors[withFolder ? 1 : 0];
    if (!cursor) {
        cursor.emplace(handPixmap(withFolder), 11, 1);
        qAddPostRoutine([] {
            for (std::optional<QCursor>& drawn : cursors) drawn.reset();
        });
    }
    return *cursor;
}
}  // namespace

QIcon programIcon() { return QIcon(new ProgramIconEngine); }

QCursor handCursor() { return hand(false); }

QCursor directoryCursor() { return hand(true); }

}  // namespace stapelwerk::artwork
