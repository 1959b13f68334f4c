#include "records/chart_card.h"

#include <algorithm>
#include <cmath>

#include "course/run_times.h"
#include "platform/numeric.h"
#include "results/statistics.h"

using records::rightAligned;

namespace {

// What a card shows in place of a figure nobody has yet: never the log's no-record time
// or an empty count.
const QString kNoRecordText = QStringLiteral("記録なし");

// Whether a rank text holds a rank ("---" stands for no record).
bool hasRank(const QString& rankText) {
    for (const QChar c : rankText)
        if (c.isDigit()) return true;
    return false;
}

}  // namespace

CardRuns collectCardRuns(std::span<const records::LogRun> runs, int level, int studentNo,
                         int levelCount, double today, bool studentInGroup) {
    CardRuns out;
    if (level < 1 || level > levelCount) return out;
    const double from = today - kChartLookBackDays;
    for (const records::LogRun& e : runs) {
        if (e.level != level || e.date <= from) continue;
        out.everyoneBest = std::min(out.everyoneBest, e.time);
        if (!course::countsOnChart(e.time)) continue;
        ++out.everyoneCount;
        out.everyoneSum += e.time;
        if (e.studentNo != studentNo) continue;
        ++out.ownCount;
        out.ownSum += e.time;
        out.ownSlowest = std::max(out.ownSlowest, e.time);
        if (studentInGroup) out.plotRuns.push_back(ChartRun{e.date, e.time});
    }
    return out;
}

int chartScaleMax(qint32 slowest) {
    return std::min(kChartScaleLimit, (std::max(slowest, 0) / 10 + 1) * 10);
}

ChartPlot chartPlot(const std::vector<ChartRun>& runs, qint32 slowest) {
    ChartPlot plot;
    plot.scaleMax = chartScaleMax(slowest);
    const double n = static_cast<double>(runs.size());
    qint32 lastBest = 0;
    int k = 0;
    for (const ChartRun& run : runs) {
        ++k;
        ChartDot dot;
        dot.time = run.time;
        dot.date = run.date;
        dot.x = 0.7 * k / n + 0.2;
        dot.y = plot.yOf(std::min<double>(run.time, plot.scaleMax));
        dot.best = k == 1 || run.time < lastBest;
        if (dot.best) lastBest = run.time;
        plot.dots.push_back(dot);
    }
    return plot;
}

QPointF dotPosition(const ChartDot& dot, QSizeF page, double cardTop) {
    return QPointF(page.width() / 2 * dot.x, cardTop + page.height() / 3 * dot.y);
}

QString chartTimeText(qint32 time) {
    return QString::number(time) + QStringLiteral("秒");
}

QString cardNumber(double value) {
    const double whole = std::round(value);
    if (whole == 0) return QString();
    return QString::number(static_cast<qint64>(whole));
}

QString cardTitle(const QString& drillTitle, const QString& levelName) {
    return drillTitle + u' ' + levelName;
}

QString chartHeader(const QString& studentName, const QString& classroom,
                    const QString& printDate) {
    QString header = studentName.trimmed() + QStringLiteral("　") + classroom.trimmed();
    if (!printDate.isEmpty()) header += QStringLiteral("　印刷日 ") + printDate;
    return header;
}

QStringList cardTextLines(const CardRuns& runs, const CardRanks& ranks, const ChartPlot& plot) {
    QString bestText;
    for (const ChartDot& dot : plot.dots)
        if (dot.best) bestText = chartTimeText(dot.time);

    QStringList lines;
    lines << QStringLiteral("回数　　　　　　　") +
                 (runs.ownCount != 0
                      ? rightAligned(cardNumber(runs.ownCount), 3) + QStringLiteral("回")
                      : kNoRecordText);
    lines << QStringLiteral("タイム  　　 　    本人 / 全体");
    lines << QStringLiteral("　　順位　　　　") + rightAligned(ranks.timeRank, 5) +
                 QStringLiteral("位");
    // The student's best is left empty without a run of their own; without a timed run of
    // anyone's the line says so.
    if (course::isNoResult(runs.everyoneBest)) {
        lines << QStringLiteral("　　最高　　　　") + kNoRecordText;
    } else {
        lines << QStringLiteral("　　最高　　　　") + rightAligned(bestText, 6) +
                     QStringLiteral(" /") + rightAligned(cardNumber(runs.everyoneBest), 5) +
                     QStringLiteral("秒");
    }
    if (runs.ownCount != 0) {
        const double own =
            static_cast<double>(platform::vbInt(static_cast<double>(runs.ownSum) / runs.ownCount));
        const double everyone = runs.everyoneCount != 0
                                    ? static_cast<double>(runs.everyoneSum) / runs.everyoneCount
                                    : 0.0;
        lines << QStringLiteral("　　平均　　　　") + rightAligned(cardNumber(own), 5) +
                     QStringLiteral("秒") + QStringLiteral(" /") +
                     rightAligned(cardNumber(everyone), 5) + QStringLiteral("秒");
    }
    lines << QStringLiteral("ポイント  　　　");
    lines << QStringLiteral("　　順位　　　　") + rightAligned(ranks.pointsRank, 5) +
                 QStringLiteral("位");
    // Points of a ranked student show, 0 included; without a rank there is nothing to show.
    const QString points =
        ranks.points != 0 ? cardNumber(static_cast<double>(ranks.points)) : QStringLiteral("0");
    lines << QStringLiteral("　　獲得ポイント") +
                 (ranks.points != 0 || hasRank(ranks.pointsRank)
                      ? rightAligned(points, 5) + QStringLiteral("点")
                      : kNoRecordText);
    if (ranks.pointsCount != 0) {
        lines << QStringLiteral("　　　　　　　　　　　　/") +
                     rightAligned(
                         cardNumber(static_cast<double>(ranks.pointsSum) / ranks.pointsCount), 5) +
                     QStringLiteral("点");
        lines << QStringLiteral("　　　　　　　　　　　　 (全平均)");
    }
    return lines;
}

ChartCard makeChartCard(int level, const QString& title, const CardRuns& runs,
                        const CardRanks& ranks) {
    ChartCard card;
    card.level = level;
    card.title = title;
    card.plot = chartPlot(runs.plotRuns, runs.ownSlowest);
    card.lines = cardTextLines(runs, ranks, card.plot);
    return card;
}

std::vector<CardPlace> placeCards(const std::vector<int>& levels, int levelCount) {
    // In hundredths of the page height: the first card at 5, then every 30, a new page
    // when a card would start below 90.
    std::vector<CardPlace> places;
    int page = 0;
    int top = 5 - 30;
    for (int level : levels) {
        top += 30;
        if (top > 90) {
            ++page;
            top = 5;
        }
        if (level > levelCount) break;
        places.push_back(CardPlace{level, page, top / 100.0});
    }
    return places;
}
