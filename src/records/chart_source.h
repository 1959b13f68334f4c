#pragma once

#include <QString>
#include <span>
#include <vector>

#include "records/chart_card.h"
#include "records/rankings.h"
#include "records/run_lists.h"
#include "results/statistics.h"

// What the chart cards read: the runs from the results log, the ranks and points from the
// level's rankings over the statistics.

// The record lists' choices the cards follow.
struct ChartChoice {
    QString gradeGroup = QStringLiteral("全学年");
    records::PointsOrder pointsOrder = records::PointsOrder::AllTime;
};

// The runs of the log's last 20000 records, read with the statistics' retries (and `wait`
// while another machine holds the log). Returns false when the program was ended meanwhile.
bool readChartRuns(std::vector<records::LogRun>* runs, const LockedLogWait& wait = {});

// The rank texts and points figures of a student's card at a level: the student's rows in
// the level's time and points rankings are found by student number; a row the grade group
// hides gives "---" and no points. The points sum and count are taken over the listed rows
// with more than 0 points.
CardRanks chartCardRanks(const ResultsTables& stats, int level, int studentNo,
                         const ChartChoice& choice);

// The card of a level for a student.
ChartCard chartCardFor(const ResultsTables& stats, std::span<const records::LogRun> runs, int level,
                       int studentNo, const ChartChoice& choice);

// One card on a screen or page, its top a fraction of the height.
struct PlacedCard {
    double top = 0;
    ChartCard card;
};
using ChartPage = std::vector<PlacedCard>;

// The cards of a student at the selected levels (1-based, ascending), screen by screen or
// page by page.
std::vector<ChartPage> chartPages(const ResultsTables& stats, std::span<const records::LogRun> runs,
                                  int studentNo, const std::vector<int>& levels,
                                  const ChartChoice& choice);
