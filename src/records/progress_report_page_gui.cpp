#include "records/progress_report_page_gui.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "widgets/controls_gui.h"

namespace {

// Body text and header sizes on paper, in points.
constexpr double kBodyPoints = 9;
constexpr double kHeaderPoints = 12;
// The calendar on paper shows at most this many weeks (the last ones of the period).
constexpr int kPaperWeeks = 16;
const QString kWeekDays[7] = {QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"),
                              QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土"),
                              QStringLiteral("日")};

QFont paperFont(double points, bool bold = false) {
    QFont font(widgets::kGothic);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Draws `text` inside the box, left-aligned and cut to its width.
void cellText(QPainter& painter, const QRectF& box, const QString& text,
              Qt::Alignment align = Qt::AlignLeft) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(box, static_cast<int>(align | Qt::AlignVCenter),
                     metrics.elidedText(text, Qt::ElideRight, box.width()));
}

// The calendar: a row of day names, then one row per week (its Monday at the left).
double drawCalendar(QPainter& painter, const QRectF& area, const ReportPage& content) {
    const records::ProgressReport& r = content.report;
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double cell = std::min(area.width() / 8.5, metrics.lineSpacing() * 1.8);
    const double labelWidth =
        std::min(area.width() - 7 * cell, metrics.horizontalAdvance(QStringLiteral("12/28")) * 1.4);
    const int firstMonday = r.range.first - (records::dateOfDay(r.range.first).dayOfWeek() - 1);
    const int weeks = (r.range.last - firstMonday) / 7 + 1;
    const int shown = std::min(weeks, kPaperWeeks);
    double y = area.top();
    if (shown < weeks) {
        cellText(painter, QRectF(area.left(), y, area.width(), cell),
                 QStringLiteral("（最後の%1週）").arg(shown));
        y += cell;
    }
    for (int d = 0; d < 7; ++d)
        cellText(painter, QRectF(area.left() + labelWidth + d * cell, y, cell, cell), kWeekDays[d],
                 Qt::AlignHCenter);
    y += cell;
    for (int w = weeks - shown; w < weeks; ++w) {
        const int monday = firstMonday + 7 * w;
        cellText(painter, QRectF(area.left(), y, labelWidth, cell),
                 records::dateOfDay(monday).toString(QStringLiteral("M/d")));
        for (int d = 0; d < 7; ++d) {
            const int day = monday + d;
            const QRectF box(area.left() + labelWidth + d * cell, y, cell, cell);
            if (!r.range.contains(day)) {
                painter.fillRect(box, QColor(230, 230, 230));
                continue;
            }
            const int runs = r.dayRuns[static_cast<size_t>(day - r.range.first)];
            painter.fillRect(box, dayShade(runs));
            painter.drawRect(box);
            if (runs > 0) {
                painter.save();
                painter.setPen(runs >= 4 ? Qt::white : Qt::black);
                cellText(painter, box, QString::number(runs), Qt::AlignHCenter);
                painter.restore();
            }
            if (day == content.today) {
                painter.save();
                QPen outline(Qt::red);
                outline.setWidthF(cell / 12);
                painter.setPen(outline);
                painter.drawRect(box.adjusted(cell / 24, cell / 24, -cell / 24, -cell / 24));
                painter.restore();
            }
        }
        y += cell;
    }
    return y;
}

}  // namespace

QColor dayShade(int runs) {
    if (runs <= 0) return Qt::white;
    if (runs == 1) return QColor(204, 232, 232);
    if (runs <= 3) return QColor(128, 192, 192);
    return QColor(0, 128, 128);
}

void drawDayBestLine(QPainter& painter, const QRectF& box, const records::LevelReport& level,
                     const records::DayRange& range) {
    if (level.dayBests.empty()) return;
    qint32 slowest = 0;
    qint32 fastest = course::kNoRecord;
    for (const records::DayBest& b : level.dayBests) {
        slowest = std::max(slowest, b.time);
        fastest = std::min(fastest, b.time);
    }
    const double inset = std::min(box.height(), box.width()) * 0.15;
    const QRectF plot = box.adjusted(inset, inset, -inset, -inset);
    const double spanDays = std::max(1, range.days() - 1);
    const double spanTime = std::max(1, slowest - fastest);
    const auto at = [&](const records::DayBest& b) {
        const double x = range.days() > 1
                             ? plot.left() + plot.width() * (b.day - range.first) / spanDays
                             : plot.center().x();
        return QPointF(x, plot.bottom() - plot.height() * (b.time - fastest) / spanTime);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen line(QColor(96, 96, 96));
    line.setWidthF(std::max(1.0, box.height() / 40));
    painter.setPen(line);
    QPainterPath path(at(level.dayBests.front()));
    for (const records::DayBest& b : level.dayBests) path.lineTo(at(b));
    painter.drawPath(path);
    const double dot = std::max(3.0, box.height() / 10);
    painter.setPen(Qt::NoPen);
    for (const records::DayBest& b : level.dayBests) {
        painter.setBrush(b.newBest ? QColor(255, 0, 0) : QColor(0, 0, 255));
        painter.drawEllipse(at(b), dot / 2, dot / 2);
    }
    painter.restore();
}

void drawReportPage(QPainter& painter, const QRectF& page, const ReportPage& content) {
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, page.width() / 2000));
    painter.setPen(pen);

    painter.setFont(paperFont(kHeaderPoints, true));
    const double headerLine = QFontMetricsF(painter.font(), painter.device()).lineSpacing();
    double y = page.top();
    cellText(painter, QRectF(page.left(), y, page.width(), headerLine), content.header);
    y += headerLine * 1.2;
    painter.setFont(paperFont(kBodyPoints + 1));
    const double titleLine = QFontMetricsF(painter.font(), painter.device()).lineSpacing();
    cellText(painter, QRectF(page.left(), y, page.width(), titleLine),
             QStringLiteral("成績の記録　") + content.periodName + QStringLiteral("　") +
                 records::rangeText(content.report.range));
    y += titleLine * 1.6;

    painter.setFont(paperFont(kBodyPoints));
    const double line = QFontMetricsF(painter.font(), painter.device()).lineSpacing() * 1.3;
    // Totals at the right, the calendar at the left.
    const double half = page.width() / 2;
    double totalsY = y;
    for (const records::TotalLine& t : records::totalLines(content.report, content.previousName)) {
        const double x = page.left() + half + page.width() * 0.03;
        const double w = page.right() - x;
        cellText(painter, QRectF(x, totalsY, w * 0.34, line), t.caption);
        cellText(painter, QRectF(x + w * 0.34, totalsY, w * 0.28, line), t.value);
        cellText(painter, QRectF(x + w * 0.62, totalsY, w * 0.38, line), t.change);
        totalsY += line;
    }
    const double calendarBottom =
        drawCalendar(painter, QRectF(page.left(), y, half - page.width() * 0.02, 0), content);
    y = std::max(totalsY, calendarBottom) + line;

    // The levels: headings, then one row per level while the page has room.
    const QStringList headings = records::levelHeadings();
    const double widths[] = {0.17, 0.07, 0.07, 0.09, 0.09, 0.11, 0.40};
    const auto columns = [&](double top, double height) {
        std::vector<QRectF> boxes;
        double x = page.left();
        for (double w : widths) {
            boxes.emplace_back(x, top, w * page.width() - line * 0.2, height);
            x += w * page.width();
        }
        return boxes;
    };
    std::vector<QRectF> boxes = columns(y, line);
    for (int i = 0; i < headings.size(); ++i) cellText(painter, boxes[size_t(i)], headings[i]);
    y += line;
    painter.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    const double rowHeight = line * 2.2;
    const auto& levels = content.report.levels;
    for (size_t i = 0; i < levels.size(); ++i) {
        if (y + rowHeight > page.bottom() - line) {
            cellText(painter, QRectF(page.left(), y, page.width(), line),
                     QStringLiteral("ほか%1レベル").arg(levels.size() - i));
            break;
        }
        boxes = columns(y, rowHeight);
        const QStringList cells = records::levelCells(
            levels[i], content.levelNames[static_cast<size_t>(levels[i].level)]);
        for (int c = 0; c < cells.size(); ++c) cellText(painter, boxes[size_t(c)], cells[c]);
        drawDayBestLine(painter, boxes.back(), levels[i], content.report.range);
        y += rowHeight;
    }
    if (levels.empty())
        cellText(painter, QRectF(page.left(), y, page.width(), line),
                 QStringLiteral("この期間の記録はありません"));
    painter.restore();
}
