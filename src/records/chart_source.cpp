#include "records/chart_source.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/dates.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/settings.h"

bool readChartRuns(std::vector<records::LogRun>* runs, const LockedLogWait& wait) {
    QByteArray bytes;
    if (!readResultLog(&bytes, wait)) return false;
    *runs = records::decodeLogTail(bytes, kMaxRecords);
    return true;
}

CardRanks chartCardRanks(const ResultsTables& stats, int level, int studentNo,
                         const ChartChoice& choice) {
    CardRanks ranks;
    records::RankingRequest request;
    request.level = level;
    request.roster = records::sharedRosterView();
    request.inGradeGroup = records::gradeGroupPredicate(choice.gradeGroup);

    request.kind = records::RankingKind::Times;
    for (const records::RankingRow& row : records::buildRanking(stats, request)) {
        if (row.listed && row.studentNo == studentNo) {
            ranks.timeRank = records::rankText3(row);
            break;
        }
    }

    request.kind = records::RankingKind::Points;
    request.pointsOrder = choice.pointsOrder;
    bool found = false;
    for (const records::RankingRow& row : records::buildRanking(stats, request)) {
        if (!row.listed) continue;
        if (row.totalPoints > 0) {
            ++ranks.pointsCount;
            ranks.pointsSum += row.totalPoints;
        }
        if (!found && row.studentNo == studentNo) {
            found = true;
            ranks.pointsRank = records::rankText3(row);
            ranks.points = row.totalPoints;
        }
    }
    return ranks;
}

ChartCard chartCardFor(const ResultsTables& stats, std::span<const records::LogRun> runs, int level,
                       int studentNo, const ChartChoice& choice) {
    const double today = platform::dayCountFromDate(platform::clock().now().date());
    const bool inGroup = records::gradeGroupPredicate(choice.gradeGroup)(studentNo);
    const int levelCount = std::min<int>(state::course().levelCount, kMaxLevel);
    const QString levelName =
        level >= 1 && level <= kMaxLevel ? state::course().levelNames[level] : QString();
    return makeChartCard(level, cardTitle(state::settings().drillTitle, levelName),
                         collectCardRuns(runs, level, studentNo, levelCount, today, inGroup),
                         chartCardRanks(stats, level, studentNo, choice));
}

std::vector<ChartPage> chartPages(const ResultsTables& stats, std::span<const records::LogRun> runs,
                                  int studentNo, const std::vector<int>& levels,
                                  const ChartChoice& choice) {
    std::vector<ChartPage> pages;
    for (const CardPlace& place :
         placeCards(levels, std::min<int>(state::course().levelCount, kMaxLevel))) {
        if (place.page >= static_cast<int>(pages.size())) pages.resize(place.page + 1);
        pages[place.page].push_back(
            PlacedCard{place.top, chartCardFor(stats, runs, place.level, studentNo, choice)});
    }
    return pages;
}
