#include "app/Artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace stapelwerk::artwork {

namespace {
QPixmap blank(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void prepare(QPainter& painter, QSize size) {
    painter.setRenderHint(QPainter::Antialiasing);
    // Everything is drawn on a 100 x 100 grid.
    painter.scale(size.width() / 100.0, size.height() / 100.0);
}

void drawSheet(QPainter& painter, const QRectF& sheet) {
    painter.setPen(QPen(QColor(40, 60, 110), 2.5));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.setPen(QPen(QColor(90, 120, 190), 2));
    const qreal left = sheet.left() + 8;
    const qreal right = sheet.right() - 8;
    for (qreal y = sheet.top() + 12; y < sheet.bottom() - 6; y += 9) {
        painter.drawLine(QPointF(left, y), QPointF(right, y));
    }
}
}  // namespace

QPixmap filesPicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter, size);
    drawSheet(painter, QRectF(30, 8, 55, 62));
    drawSheet(painter, QRectF(22, 18, 55, 62));
    drawSheet(painter, QRectF(14, 28, 55, 62));
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
    QPainterPath door;
    door.moveTo(14, 8);
    door.lineTo(40, 18);
    door.lineTo(40, 98);
    door.lineTo(14, 92);
    door.closeSubpath();
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
    painter.setPen(QPen(QColor(120, 90, 0), 3));
    painter.setBrush(QColor(245, 200, 70));
    QPainterPath folder;
    folder.moveTo(6, 24);
    folder.lineTo(36, 24);
    folder.lineTo(44, 32);
    folder.lineTo(86, 32);
    folder.lineTo(86, 80);
    folder.lineTo(6, 80);
    folder.closeSubpath();
    painter.drawPath(folder);
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
    QPainterPath disk;
    disk.moveTo(8, 8);
    disk.lineTo(80, 8);
    disk.lineTo(92, 20);
    disk.lineTo(92, 92);
    disk.lineTo(8, 92);
    disk.closeSubpath();
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
    QPainterPath tag;
    tag.moveTo(6, 50);
    tag.lineTo(34, 12);
    tag.lineTo(94, 12);
    tag.lineTo(94, 88);
    tag.lineTo(34, 88);
    tag.closeSubpath();
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

}  // namespace stapelwerk::artwork
