#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <span>
#include <vector>

#include "course/run_times.h"
#include "records/run_lists.h"

// The per-level time charts: one card per level with the student's count, ranks, best and
// average times against everyone, points, and a dot plot of the student's runs. Cards are
// placed three to a screen or printed page.

// Highest time scale of the plot, in seconds.
constexpr int kChartScaleLimit = 1000;
// Look-back of the runs a card reads, in days.
constexpr int kChartLookBackDays = records::kLookBackDays;

// One run of the chart student, in log order.
struct ChartRun {
    double date = 0;  // day count
    qint32 time = 0;
};

// What a card reads from the log for one level.
struct CardRuns {
    int ownCount = 0;  // the student's runs below 1800 s
    qint64 ownSum = 0;
    qint32 ownSlowest = 0;
    int everyoneCount = 0;  // everyone's runs below 1800 s
    qint64 everyoneSum = 0;
    qint32 everyoneBest = course::kNoRecord;  // lowest time of any run
    // The student's runs below 1800 s, in log order; empty when the student's grade is
    // outside the chosen grade group.
    std::vector<ChartRun> plotRuns;
};

// Collects the card of `level` for `studentNo` from the log's runs: runs of levels up to
// levelCount dated after today - 3650 days.
CardRuns collectCardRuns(std::span<const records::LogRun> runs, int level, int studentNo,
                         int levelCount, double today, bool studentInGroup);

// Rank texts and points of the card, from the level's time and points rankings.
struct CardRanks {
    QString timeRank = QStringLiteral("---");    // 3 characters
    QString pointsRank = QStringLiteral("---");  // 3 characters
    qint64 points = 0;                           // the student's points
    qint64 pointsSum = 0;                        // over the students with more than 0 points
    int pointsCount = 0;
};

// One dot of the plot. x is in units of half the page width, y in units of a third of the
// page height below the card's top.
struct ChartDot {
    qint32 time = 0;
    double date = 0;
    double x = 0;
    double y = 0;
    bool best = false;  // red: the first run and every new best time
};

struct ChartPlot {
    int scaleMax = 10;  // M, seconds at the top of the scale
    std::vector<ChartDot> dots;
    // y (in the units of ChartDot::y) of a time on the scale.
    double yOf(double time) const { return 0.8 - 0.7 * time / scaleMax; }
};

// Scale M for the student's slowest run below 1800 s: (slowest / 10 + 1) x 10, at most 1000.
int chartScaleMax(qint32 slowest);
// The dots of the runs: the k-th of n at x = 0.7 k / n + 0.2, y = 0.8 - 0.7 time / M; a run
// slower than M stands at the top of the scale.
ChartPlot chartPlot(const std::vector<ChartRun>& runs, qint32 slowest);
// Where a dot lies on a page of the given size, for a card whose top is at cardTop.
QPointF dotPosition(const ChartDot& dot, QSizeF page, double cardTop);

// "35秒", the time text of a run.
QString chartTimeText(qint32 time);

// The title line and the text block of a card.
struct ChartCard {
    int level = 0;
    QString title;
    QStringList lines;
    ChartPlot plot;
};
QString cardTitle(const QString& drillTitle, const QString& levelName);
// The line over the cards of a screen or printed page: whose cards they are and the
// classroom, on paper also the day of printing ("山田花子　さくら教室　印刷日 2026/12/08").
QString chartHeader(const QString& studentName, const QString& classroom,
                    const QString& printDate = QString());
// A figure nobody has yet shows "記録なし": the count without a run of the student's, the
// best times without a timed run of anyone's, the points without a rank.
QStringList cardTextLines(const CardRuns& runs, const CardRanks& ranks, const ChartPlot& plot);
// The whole card of a level: title, text block and plot.
ChartCard makeChartCard(int level, const QString& title, const CardRuns& runs,
                        const CardRanks& ranks);

// A number as a card shows it: whole, without leading zeros, nothing for 0; a fraction
// goes to the nearest whole number (a half away from zero).
QString cardNumber(double value);

// Where the cards of the selected levels go: three to a screen or page, at 0.05, 0.35 and
// 0.65 of its height. A level above levelCount ends the cards.
struct CardPlace {
    int level = 0;
    int page = 0;       // 0-based
    double top = 0.05;  // fraction of the page height
};
std::vector<CardPlace> placeCards(const std::vector<int>& levels, int levelCount);
