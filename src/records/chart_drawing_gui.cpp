#include "records/chart_drawing_gui.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "records/chart_card.h"
#include "records/chart_labels.h"
#include "records/run_lists.h"

namespace {

// The plot's frame, top and bottom in thirds of the page height below the card's top; the
// dots' x (in half page widths, 0.2 to 0.9) is spread over the frame from kFrameLeft to
// kFrameRight.
constexpr double kFrameLeft = 0.15;
constexpr double kFrameRight = 0.95;
constexpr double kFrameTop = 0.06;
constexpr double kFrameBottom = 0.84;
constexpr int kTicks = 5;
// Dots are 5 screen pixels wide, the drawing width of the chart area.
constexpr double kDotSize = 5;
// Margins and gaps, in page widths.
constexpr double kMargin = 0.02;
constexpr double kGap = 0.03;

// Draws a text with its baseline at `baseline` and returns its box.
QRectF drawText(QPainter& painter, const QFontMetricsF& metrics, const QPointF& baseline,
                const QString& text) {
    painter.drawText(baseline, text);
    return QRectF(baseline.x(), baseline.y() - metrics.ascent(), metrics.horizontalAdvance(text),
                  metrics.ascent() + metrics.descent());
}

}  // namespace

std::vector<QRectF> drawChartCard(QPainter& painter, const QRectF& page, double top,
                                  const ChartCard& card, const QFont& font) {
    std::vector<QRectF> texts;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setFont(font);
    // Device pixels per screen pixel: 1 on screen, resolution / 96 on a printer.
    const double px = painter.device() ? painter.device()->logicalDpiY() / 96.0 : 1.0;
    const QFontMetricsF metrics(font, painter.device());
    const double lineHeight = metrics.lineSpacing();
    const double ascent = metrics.ascent();
    const double c = page.height() / 3;
    const QPointF origin = page.topLeft() + QPointF(0, top);

    QPen textPen(Qt::black);
    textPen.setWidthF(px);
    painter.setPen(textPen);

    // Title, and the text block against the right edge.
    texts.push_back(
        drawText(painter, metrics, origin + QPointF(kMargin * page.width(), ascent), card.title));
    double blockWidth = 0;
    for (const QString& line : card.lines)
        blockWidth = std::max(blockWidth, metrics.horizontalAdvance(line));
    const double blockLeft =
        std::max(page.width() * 0.5, page.width() * (1 - kMargin) - blockWidth);
    for (int i = 0; i < card.lines.size(); ++i)
        texts.push_back(drawText(painter, metrics,
                                 origin + QPointF(blockLeft, ascent + lineHeight * (i + 1.5)),
                                 card.lines[i]));

    // The frame takes the width left of the text block, after the seconds axis.
    const ChartPlot& plot = card.plot;
    const double tickLength = 3 * px;
    const double axisWidth =
        metrics.horizontalAdvance(QString::number(plot.scaleMax) + QStringLiteral("秒"));
    const double frameLeft =
        page.left() +
        std::max(0.075 * page.width(), kMargin * page.width() + axisWidth + 2 * tickLength);
    const double frameRight = page.left() + blockLeft - kGap * page.width();
    const QRectF frame(QPointF(frameLeft, origin.y() + c * kFrameTop),
                       QPointF(frameRight, origin.y() + c * kFrameBottom));
    const auto at = [&](double x, double y) {
        return QPointF(frame.left() + (x - kFrameLeft) / (kFrameRight - kFrameLeft) * frame.width(),
                       origin.y() + c * y);
    };
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    for (int i = 0; i <= kTicks; ++i) {
        const int seconds = plot.scaleMax * i / kTicks;
        const double y = at(0, plot.yOf(seconds)).y();
        painter.drawLine(QPointF(frame.left(), y), QPointF(frame.left() + tickLength, y));
        const QString label = QString::number(seconds) + QStringLiteral("秒");
        const double width = metrics.horizontalAdvance(label);
        texts.push_back(drawText(
            painter, metrics, QPointF(frame.left() - tickLength - width, y + ascent / 2), label));
    }

    // Dots: blue runs first, then the best runs in red with their time and date.
    const double dot = kDotSize * px;
    std::vector<QPointF> dots;
    std::vector<ChartLabel> labels;
    for (const ChartDot& d : plot.dots) {
        dots.push_back(at(d.x, d.y));
        if (!d.best) continue;
        const QString time = chartTimeText(d.time) + u' ';
        ChartLabel label{
            dots.back(), time + records::date10(d.date), {}, time + records::mmdd(d.date), {}};
        const double height = metrics.ascent() + metrics.descent();
        label.size = QSizeF(metrics.horizontalAdvance(label.text), height);
        label.shortSize = QSizeF(metrics.horizontalAdvance(label.shortText), height);
        labels.push_back(label);
    }
    painter.setPen(Qt::NoPen);
    for (const bool best : {false, true}) {
        painter.setBrush(best ? QColor(255, 0, 0) : QColor(0, 0, 255));
        for (size_t i = 0; i < plot.dots.size(); ++i)
            if (plot.dots[i].best == best) painter.drawEllipse(dots[i], dot / 2, dot / 2);
    }
    painter.setPen(textPen);
    for (const PlacedLabel& placed : placeChartLabels(labels, dots, dot, frame))
        texts.push_back(
            drawText(painter, metrics, placed.box.topLeft() + QPointF(0, ascent), placed.text));
    painter.restore();
    return texts;
}

std::vector<QRectF> drawChartPage(QPainter& painter, const QRectF& page, const ChartPage& cards,
                                  const QFont& font, const QString& header) {
    std::vector<QRectF> texts;
    if (!header.isEmpty()) {
        // In the band over the first card.
        painter.save();
        // Half as large again as the cards' texts, in bold.
        QFont bold = font;
        bold.setBold(true);
        if (font.pixelSize() > 0)
            bold.setPixelSize(font.pixelSize() * 3 / 2);
        else
            bold.setPointSizeF(font.pointSizeF() * 1.5);
        painter.setFont(bold);
        painter.setPen(Qt::black);
        const QFontMetricsF metrics(bold, painter.device());
        const double band = 0.05 * page.height();
        const QPointF baseline(page.left() + kMargin * page.width(),
                               page.top() + (band + metrics.ascent() - metrics.descent()) / 2);
        texts.push_back(drawText(painter, metrics, baseline, header));
        painter.restore();
    }
    for (const PlacedCard& placed : cards) {
        const std::vector<QRectF> card =
            drawChartCard(painter, page, placed.top * page.height(), placed.card, font);
        texts.insert(texts.end(), card.begin(), card.end());
    }
    return texts;
}
