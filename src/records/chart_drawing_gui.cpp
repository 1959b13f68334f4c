#include "records/chart_drawing_gui.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include "records/chart_card.h"
#include "records/run_lists.h"

namespace {

// The plot's frame, in the units of ChartDot (x: half page widths, y: thirds of the page
// height below the card's top).
constexpr double kFrameLeft = 0.15;
constexpr double kFrameRight = 0.95;
constexpr double kFrameTop = 0.06;
constexpr double kFrameBottom = 0.84;
constexpr int kTicks = 5;
// Dots are 5 screen pixels wide, the drawing width of the chart area.
constexpr double kDotSize = 5;

}  // namespace

void drawChartCard(QPainter& painter, const QRectF& page, double top, const ChartCard& card,
                   const QFont& font) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setFont(font);
    // Device pixels per screen pixel: 1 on screen, resolution / 96 on a printer.
    const double px = painter.device() ? painter.device()->logicalDpiY() / 96.0 : 1.0;
    const QFontMetricsF metrics(font, painter.device());
    const double lineHeight = metrics.lineSpacing();
    const double ascent = metrics.ascent();
    const double f = page.width() / 2;
    const double c = page.height() / 3;
    const QPointF origin = page.topLeft() + QPointF(0, top);
    const auto at = [&](double x, double y) { return origin + QPointF(f * x, c * y); };

    QPen textPen(Qt::black);
    textPen.setWidthF(px);
    painter.setPen(textPen);

    // Title and text block.
    painter.drawText(origin + QPointF(0.02 * page.width(), ascent), card.title);
    const double blockLeft = page.width() * 0.52;
    for (int i = 0; i < card.lines.size(); ++i)
        painter.drawText(origin + QPointF(blockLeft, ascent + lineHeight * (i + 1.5)),
                         card.lines[i]);

    // Frame and seconds axis.
    const QRectF frame(at(kFrameLeft, kFrameTop), at(kFrameRight, kFrameBottom));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    const ChartPlot& plot = card.plot;
    const double tickLength = 3 * px;
    for (int i = 0; i <= kTicks; ++i) {
        const int seconds = plot.scaleMax * i / kTicks;
        const double y = at(0, plot.yOf(seconds)).y();
        painter.drawLine(QPointF(frame.left(), y), QPointF(frame.left() + tickLength, y));
        const QString label = QString::number(seconds) + QStringLiteral("秒");
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(QPointF(frame.left() - tickLength - width, y + ascent / 2), label);
    }

    // Dots: blue runs first, then the best runs in red with their time and date.
    const double dot = kDotSize * px;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 255));
    for (const ChartDot& d : plot.dots)
        if (!d.best) painter.drawEllipse(at(d.x, d.y), dot / 2, dot / 2);
    painter.setBrush(QColor(255, 0, 0));
    for (const ChartDot& d : plot.dots)
        if (d.best) painter.drawEllipse(at(d.x, d.y), dot / 2, dot / 2);
    // Labels of successive best runs go above and below their dots in turn, and to the
    // left of a dot near the frame's right edge, so that they stay apart and inside.
    painter.setPen(textPen);
    int labelled = 0;
    for (const ChartDot& d : plot.dots) {
        if (!d.best) continue;
        const QString label = chartTimeText(d.time) + u' ' + records::date10(d.date);
        const QPointF p = at(d.x, d.y);
        const double width = metrics.horizontalAdvance(label);
        const double x = p.x() + dot + width > frame.right() ? p.x() - dot - width : p.x() + dot;
        const double y = labelled++ % 2 == 0 ? p.y() - dot / 2 : p.y() + dot / 2 + ascent;
        painter.drawText(QPointF(x, y), label);
    }
    painter.restore();
}

void drawChartPage(QPainter& painter, const QRectF& page, const ChartPage& cards,
                   const QFont& font) {
    for (const PlacedCard& placed : cards)
        drawChartCard(painter, page, placed.top * page.height(), placed.card, font);
}
