#include "help/browser_icons_gui.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace help {

namespace {

const QColor kInk(0, 96, 96);
const QColor kStopRed(200, 40, 40);

// An arrow along the middle of a 24 x 24 square, pointing left or right.
QPainterPath arrow(bool right) {
    QPainterPath path;
    path.moveTo(3, 12);
    path.lineTo(11, 4);
    path.lineTo(11, 8.5);
    path.lineTo(21, 8.5);
    path.lineTo(21, 15.5);
    path.lineTo(11, 15.5);
    path.lineTo(11, 20);
    path.closeSubpath();
    return right ? QTransform(-1, 0, 0, 1, 24, 0).map(path) : path;
}

void draw(QPainter& p, BrowserIcon kind) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPen line(kInk, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (kind) {
        case BrowserIcon::Back:
        case BrowserIcon::Forward:
            p.fillPath(arrow(kind == BrowserIcon::Forward), kInk);
            break;
        case BrowserIcon::Refresh: {
            p.setPen(line);
            p.drawArc(QRectF(4.5, 4.5, 15, 15), 60 * 16, 290 * 16);
            QPainterPath head;
            head.moveTo(21, 3);
            head.lineTo(21, 10.5);
            head.lineTo(13.5, 10.5);
            head.closeSubpath();
            p.fillPath(head, kInk);
            break;
        }
        case BrowserIcon::Home: {
            p.setPen(line);
            p.drawPolyline(QPolygonF({{3, 12}, {12, 3.5}, {21, 12}}));
            p.drawPolyline(QPolygonF({{6, 10}, {6, 20.5}, {18, 20.5}, {18, 10}}));
            p.fillRect(QRectF(10, 14, 4, 6.5), kInk);
            break;
        }
        case BrowserIcon::Search:
            p.setPen(line);
            p.drawEllipse(QRectF(3.5, 3.5, 12, 12));
            p.setPen(QPen(kInk, 3.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
            break;
        case BrowserIcon::Stop:
            p.setPen(Qt::NoPen);
            p.setBrush(kStopRed);
            p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
            p.setPen(QPen(Qt::white, 2.8, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, 8), QPointF(16, 16));
            p.drawLine(QPointF(16, 8), QPointF(8, 16));
            break;
    }
}

}  // namespace

QIcon browserIcon(BrowserIcon kind) {
    QIcon icon;
    // Drawn at the sizes toolbars use, and at twice that for screens of double density.
    for (const int size : {16, 24, 32, 48}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.scale(size / 24.0, size / 24.0);
        draw(p, kind);
        p.end();
        icon.addPixmap(picture);
    }
    return icon;
}

}  // namespace help
