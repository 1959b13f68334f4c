#include "records/progress_report.h"

#include <gtest/gtest.h>

#include <QTime>
#include <vector>

#include "platform/dates.h"

using namespace records;

namespace {

// Thursday 10 December 2026; the school year starts in April.
const QDate kToday(2026, 12, 10);

struct Entry {
    int student;
    int level;
    qint32 time;
    QDate date;
    QTime at = QTime(16, 0);
};

struct LevelExpect {
    int level, runs;
    qint32 best;
    QDate bestDate;
    double median;
    QDate firstPass;  // invalid: none
};

struct Case {
    const char* name;
    ReportPeriod period;
    std::vector<Entry> log;
    // runs, passed, out of time, seconds, points, days, current and longest streak
    std::array<qint64, 8> totals;
    int previousRuns;
    std::vector<LevelExpect> levels;
};

QDate dec(int day) {
    return QDate(2026, 12, day);
}

// Levels 1..35 pass at 30 s and run out at 300 s; level 5 is a practice level. Points at a
// pass time of 30: 15 s 11, 20 s 6, 25 s and 30 s 5, 40 s 4.
const std::vector<Case> kCases = {
    {"a day with runs before and after midnight",
     ReportPeriod::ThisWeek,
     {{1, 1, 20, dec(8), QTime(23, 59)}, {1, 1, 25, dec(9), QTime(0, 1)}},
     {2, 2, 0, 45, 11, 2, 2, 2},
     0,
     {{1, 2, 20, dec(8), 22.5, dec(8)}}},
    {"a failed run counts its limit and no pass",
     ReportPeriod::ThisWeek,
     {{1, 1, 99999, dec(10)}, {1, 1, 40, dec(10)}},
     {2, 0, 1, 340, 4, 1, 1, 1},
     0,
     {{1, 2, 40, dec(10), 40, {}}}},
    {"a practice level earns no pass and no points",
     ReportPeriod::ThisWeek,
     {{1, 5, 15, dec(9)}, {1, 1, 30, dec(9)}},
     {2, 1, 0, 45, 5, 1, 1, 1},
     0,
     {{1, 1, 30, dec(9), 30, dec(9)}, {5, 1, 15, dec(9), 15, {}}}},
    {"a run on the first day of the school year",
     ReportPeriod::SchoolYear,
     {{1, 1, 30, QDate(2026, 3, 31)}, {1, 1, 25, QDate(2026, 4, 1), QTime(0, 0)}},
     {1, 1, 0, 25, 5, 1, 0, 1},
     1,
     {{1, 1, 25, QDate(2026, 4, 1), 25, QDate(2026, 3, 31)}}},
    {"a gap breaks the streak",
     ReportPeriod::ThisMonth,
     {{1, 1, 40, QDate(2026, 11, 30)},
      {1, 1, 40, dec(1)},
      {1, 1, 40, dec(2)},
      {1, 1, 40, dec(3)},
      {1, 1, 40, dec(5)},
      {1, 1, 40, dec(6)},
      {1, 1, 40, dec(9)}},
     {6, 0, 0, 240, 24, 6, 1, 3},
     1,
     {{1, 6, 40, dec(1), 40, {}}}},
    {"two students interleaved",
     ReportPeriod::ThisWeek,
     {{1, 1, 20, dec(9)}, {2, 1, 10, dec(9)}, {1, 1, 40, dec(9)}, {2, 1, 99999, dec(9)}},
     {2, 1, 0, 60, 10, 1, 1, 1},
     0,
     {{1, 2, 20, dec(9), 30, dec(9)}}},
    {"an empty period",
     ReportPeriod::ThisWeek,
     {{1, 1, 20, QDate(2026, 11, 1)}},
     {0, 0, 0, 0, 0, 0, 0, 0},
     0,
     {}},
};

}  // namespace

TEST(ProgressReport, FiguresOfSmallLogs) {
    ReportLevels levels;
    levels.passTime.fill(30);
    levels.timeLimit.fill(300);
    levels.practice[5] = true;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::vector<LogRun> log;
        for (const Entry& r : c.log)
            log.push_back({platform::dayCountFromDate(r.date), platform::dayFraction(r.at),
                           static_cast<qint16>(r.student), static_cast<qint16>(r.level), r.time});
        const std::vector<LogRun> own = runsOfStudent(log, 1);
        const DayRange range = periodRange(c.period, kToday, 4, {}, {}, firstRunDate(own));
        const ProgressReport report = buildProgressReport(
            own, range, previousRange(c.period, range, 4), dayOf(kToday), levels);
        const ReportTotals& t = report.totals;
        EXPECT_EQ((std::array<qint64, 8>{t.runs, t.passed, t.outOfTime, t.seconds, t.points, t.days,
                                         t.currentStreak, t.longestStreak}),
                  c.totals);
        EXPECT_EQ(report.previous.runs, c.previousRuns);
        int calendarRuns = 0;
        for (int n : report.dayRuns) calendarRuns += n;
        EXPECT_EQ(calendarRuns, t.runs);
        EXPECT_EQ(static_cast<int>(report.dayRuns.size()), range.days());
        ASSERT_EQ(report.levels.size(), c.levels.size());
        for (size_t i = 0; i < c.levels.size(); ++i) {
            const LevelReport& got = report.levels[i];
            const LevelExpect& want = c.levels[i];
            EXPECT_EQ(got.level, want.level);
            EXPECT_EQ(got.runs, want.runs);
            EXPECT_EQ(got.bestTime, want.best);
            EXPECT_EQ(dateOfDay(got.bestDay), want.bestDate);
            EXPECT_DOUBLE_EQ(got.recentMedian, want.median);
            EXPECT_EQ(got.firstPassDay ? dateOfDay(got.firstPassDay) : QDate(), want.firstPass);
        }
    }
}

// The periods on Thursday 10 December 2026, and the ones before them.
TEST(ProgressReport, PeriodsAndThePeriodsBefore) {
    const auto dates = [](const DayRange& r) {
        return std::pair(dateOfDay(r.first), dateOfDay(r.last));
    };
    const struct {
        ReportPeriod period;
        QDate first, last, previousFirst, previousLast;
    } cases[] = {
        {ReportPeriod::ThisWeek, dec(7), dec(13), QDate(2026, 11, 30), dec(6)},
        {ReportPeriod::ThisMonth, dec(1), dec(31), QDate(2026, 11, 1), QDate(2026, 11, 30)},
        {ReportPeriod::LastThreeMonths, QDate(2026, 9, 11), dec(10), QDate(2026, 6, 11),
         QDate(2026, 9, 10)},
        {ReportPeriod::SchoolYear, QDate(2026, 4, 1), QDate(2027, 3, 31), QDate(2025, 4, 1),
         QDate(2026, 3, 31)},
        {ReportPeriod::Dates, dec(1), dec(5), QDate(2026, 11, 26), QDate(2026, 11, 30)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(periodName(c.period).toStdString());
        const DayRange range = periodRange(c.period, kToday, 4, dec(5), dec(1));
        EXPECT_EQ(dates(range), std::pair(c.first, c.last));
        EXPECT_EQ(dates(previousRange(c.period, range, 4)),
                  std::pair(c.previousFirst, c.previousLast));
    }
    // Everything: from the first run; nothing before it to compare with.
    const DayRange all = periodRange(ReportPeriod::All, kToday, 4, {}, {}, QDate(2025, 1, 6));
    EXPECT_EQ(dates(all), std::pair(QDate(2025, 1, 6), kToday));
    EXPECT_EQ(previousRange(ReportPeriod::All, all, 4).days(), 0);
    // A school year starting in January on 10 December.
    EXPECT_EQ(dateOfDay(periodRange(ReportPeriod::SchoolYear, kToday, 1).first), QDate(2026, 1, 1));
}
