#include "records/chart_card.h"

#include <gtest/gtest.h>

#include <QDate>
#include <vector>

#include "platform/dates.h"

namespace {

// 2026-12-08 (computed at run time: the date helpers have statics of their own).
double today() {
    return platform::dayCountFromDate(QDate(2026, 12, 8));
}
const QString kFull = QStringLiteral("　");

// The runs of a log.
struct Log {
    std::vector<records::LogRun> entries;
    void add(int student, int level, qint32 time, int daysAgo = 0) {
        records::LogRun e;
        e.date = today() - daysAgo;
        e.studentNo = static_cast<qint16>(student);
        e.level = static_cast<qint16>(level);
        e.time = time;
        entries.push_back(e);
    }
    CardRuns card(int level, int student, bool inGroup = true, int levelCount = 35) const {
        return collectCardRuns(entries, level, student, levelCount, today(), inGroup);
    }
};

QString blanks(int n) {
    return QString(n, u' ');
}

}  // namespace

// Level 33 of a 35-level course draws like any other level.
TEST(ChartCard, TextBlockOfAStudentWithRuns) {
    Log log;
    for (qint32 t : {30, 25, 40, 28}) log.add(7, 33, t);
    log.add(8, 33, 20);
    log.add(8, 33, 2000);      // too slow for sums, but the level's lowest time counts it
    log.add(7, 33, 99999);     // ran out of time
    log.add(7, 33, 10, 3650);  // older than the look-back
    log.add(7, 32, 5);         // another level
    const CardRuns runs = log.card(33, 7);
    EXPECT_EQ(runs.ownCount, 4);
    EXPECT_EQ(runs.everyoneCount, 5);
    EXPECT_EQ(runs.everyoneBest, 20);
    ASSERT_EQ(runs.plotRuns.size(), 4u);

    CardRanks ranks;
    ranks.timeRank = QStringLiteral("  2");
    ranks.pointsRank = QStringLiteral("  1");
    ranks.points = 123456;  // shown by its last five digits
    ranks.pointsSum = 101;
    ranks.pointsCount = 3;
    const ChartCard card = makeChartCard(
        33, cardTitle(QStringLiteral("ならびタッチ"), QStringLiteral("L33")), runs, ranks);
    EXPECT_EQ(card.title, QStringLiteral("ならびタッチ L33"));
    const QStringList expected{
        QStringLiteral("回数") + kFull.repeated(7) + QStringLiteral("  4回"),
        QStringLiteral("タイム  　　 　    本人 / 全体"),
        kFull.repeated(2) + QStringLiteral("順位") + kFull.repeated(4) + QStringLiteral("    2位"),
        // Best 25 s (the last red dot) against everyone's 20 s.
        kFull.repeated(2) + QStringLiteral("最高") + kFull.repeated(4) +
            QStringLiteral("   25秒 /   20秒"),
        // 123 / 4 = 30.75 cut to 30; 143 / 5 = 28.6 rounded to 29.
        kFull.repeated(2) + QStringLiteral("平均") + kFull.repeated(4) +
            QStringLiteral("   30秒 /   29秒"),
        QStringLiteral("ポイント  　　　"),
        kFull.repeated(2) + QStringLiteral("順位") + kFull.repeated(4) + QStringLiteral("    1位"),
        kFull.repeated(2) + QStringLiteral("獲得ポイント23456点"),
        kFull.repeated(12) + QStringLiteral("/   34点"),  // 101 / 3 = 33.7
        kFull.repeated(12) + QStringLiteral(" (全平均)"),
    };
    EXPECT_EQ(card.lines, expected);
}

TEST(ChartCard, FiguresNobodyHasYetSayNoRecord) {
    Log log;
    log.add(8, 2, 41);
    log.add(8, 2, 42);  // everyone's average 41.5 goes to 42 (a half away from zero)
    const ChartCard card = makeChartCard(2, QString(), log.card(2, 7), CardRanks{});
    const QString noRecord = QStringLiteral("記録なし");
    const QStringList expected{
        QStringLiteral("回数") + kFull.repeated(7) + noRecord,
        QStringLiteral("タイム  　　 　    本人 / 全体"),
        kFull.repeated(2) + QStringLiteral("順位") + kFull.repeated(4) + QStringLiteral("  ---位"),
        kFull.repeated(2) + QStringLiteral("最高") + kFull.repeated(4) + blanks(6) +
            QStringLiteral(" /   41秒"),
        QStringLiteral("ポイント  　　　"),
        kFull.repeated(2) + QStringLiteral("順位") + kFull.repeated(4) + QStringLiteral("  ---位"),
        kFull.repeated(2) + QStringLiteral("獲得ポイント") + noRecord,
    };
    EXPECT_EQ(card.lines, expected);
    // Nobody's run in time: no 99999 as a best; a ranked student's 0 points show as 0.
    Log outOfTime;
    outOfTime.add(8, 2, 99999);
    CardRanks ranked;
    ranked.pointsRank = QStringLiteral("  1");
    const QStringList lines = makeChartCard(2, QString(), outOfTime.card(2, 8), ranked).lines;
    EXPECT_EQ(lines[3], kFull.repeated(2) + QStringLiteral("最高") + kFull.repeated(4) + noRecord);
    EXPECT_EQ(lines.last(), kFull.repeated(2) + QStringLiteral("獲得ポイント    0点"));

    Log withOwn = log;
    withOwn.add(7, 2, 40);
    withOwn.add(7, 2, 41);
    // Everyone: 164 / 4 = 41; the student: 81 / 2 = 40.5 cut to 40.
    EXPECT_TRUE(makeChartCard(2, QString(), withOwn.card(2, 7), CardRanks{})
                    .lines.contains(kFull.repeated(2) + QStringLiteral("平均") + kFull.repeated(4) +
                                    QStringLiteral("   40秒 /   41秒")));
    EXPECT_EQ(cardNumber(41.5), QStringLiteral("42"));
    EXPECT_EQ(cardNumber(0.4), QString());
    // No run at all: the level's lowest time stays at its start value.
    EXPECT_EQ(Log().card(2, 7).everyoneBest, 99999);
}

TEST(ChartCard, PlotScaleDotsAndBestRuns) {
    EXPECT_EQ(chartScaleMax(0), 10);
    EXPECT_EQ(chartScaleMax(40), 50);
    EXPECT_EQ(chartScaleMax(989), 990);
    EXPECT_EQ(chartScaleMax(990), 1000);
    EXPECT_EQ(chartScaleMax(1799), 1000);

    Log log;
    for (qint32 t : {30, 25, 40, 25, 24}) log.add(7, 1, t, 5);
    const CardRuns runs = log.card(1, 7);
    const ChartPlot plot = chartPlot(runs.plotRuns, runs.ownSlowest);
    EXPECT_EQ(plot.scaleMax, 50);
    ASSERT_EQ(plot.dots.size(), 5u);
    // First dot: x = f (0.7 x 1 / 5 + 0.2), y = top + c (0.8 - 0.7 x 30 / 50).
    const QPointF first = dotPosition(plot.dots[0], QSizeF(1000, 900), 315);
    EXPECT_NEAR(first.x(), 500 * 0.34, 1e-9);
    EXPECT_NEAR(first.y(), 315 + 300 * 0.38, 1e-9);
    const QPointF last = dotPosition(plot.dots[4], QSizeF(1000, 900), 0);
    EXPECT_NEAR(last.x(), 500 * 0.9, 1e-9);
    // Red: the first run and every run faster than the last red one (an equal time is not).
    std::vector<bool> best;
    for (const ChartDot& d : plot.dots) best.push_back(d.best);
    EXPECT_EQ(best, (std::vector<bool>{true, true, false, false, true}));
    EXPECT_EQ(records::date10(plot.dots[0].date), QStringLiteral("2026/12/03"));

    // A run slower than the scale's top (M stops at 1000) stands at the top, inside the card.
    const ChartPlot slow = chartPlot({ChartRun{today(), 1500}}, 1500);
    EXPECT_EQ(slow.scaleMax, 1000);
    EXPECT_NEAR(slow.dots[0].y, 0.1, 1e-9);

    // Outside the grade group the student's runs are counted but not plotted.
    const CardRuns hidden = log.card(1, 7, false);
    EXPECT_EQ(hidden.ownCount, 5);
    EXPECT_TRUE(hidden.plotRuns.empty());
}

TEST(ChartCard, ThreeCardsToAPage) {
    const std::vector<CardPlace> places = placeCards({1, 2, 3, 4}, 4);
    ASSERT_EQ(places.size(), 4u);
    const int pages[] = {0, 0, 0, 1};
    const double tops[] = {0.05, 0.35, 0.65, 0.05};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(places[i].level, i + 1);
        EXPECT_EQ(places[i].page, pages[i]);
        EXPECT_DOUBLE_EQ(places[i].top, tops[i]);
    }
    // A level beyond the course ends the cards.
    EXPECT_EQ(placeCards({1, 5, 2}, 4).size(), 1u);
}
