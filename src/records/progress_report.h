#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <span>
#include <vector>

#include "course/run_times.h"
#include "records/run_lists.h"
#include "results/statistics.h"
#include "state/course.h"

// The progress report of one student over a period: the practice days, the totals beside
// the previous period, and per level the runs, best time, recent median, first pass and the
// day's best time across the period. Days are whole day counts from 1899-12-30, as the log
// stores them.
namespace records {

enum class ReportPeriod { ThisWeek, ThisMonth, LastThreeMonths, SchoolYear, All, Dates };

// The period picker's texts, in the order of ReportPeriod.
QString periodName(ReportPeriod period);

// The days first..last, both included; empty when last < first.
struct DayRange {
    int first = 0;
    int last = -1;
    int days() const { return last >= first ? last - first + 1 : 0; }
    bool contains(int day) const { return day >= first && day <= last; }
    bool operator==(const DayRange&) const = default;
};

int dayOf(const QDate& date);
QDate dateOfDay(int day);

// The days of a period on `today`: this week (Monday to Sunday), this month, the last three
// months up to today, the school year that holds today (from the month the family's school
// year starts), everything from `firstRun` to today, or the dates chosen (put in order).
DayRange periodRange(ReportPeriod period, const QDate& today, int schoolYearStartMonth,
                     const QDate& chosenFrom = {}, const QDate& chosenTo = {},
                     const QDate& firstRun = {});
// The period before, of the same kind: the week, month, three months or school year before;
// for dates chosen as many days just before. Empty for everything.
DayRange previousRange(ReportPeriod period, const DayRange& current, int schoolYearStartMonth);
// How the previous period is named beside a figure ("先週"); empty for everything.
QString previousName(ReportPeriod period);

// What the report takes of each level: pass time (a run at or under it passes), time limit
// (what a run out of time counts as practice), and whether it is a practice level (no pass,
// no points).
struct ReportLevels {
    std::array<qint32, kMaxLevel + 1> passTime{};
    std::array<qint32, kMaxLevel + 1> timeLimit{};
    std::array<bool, kMaxLevel + 1> practice{};
};
ReportLevels reportLevelsOf(const state::Course& course);

struct ReportTotals {
    int runs = 0;
    int passed = 0;         // completed at or under the pass time
    int outOfTime = 0;      // failed runs (the time limit reached)
    qint64 seconds = 0;     // recorded times; a run out of time counts its limit
    qint64 points = 0;      // the record lists' points
    int days = 0;           // days with at least one run
    int currentStreak = 0;  // practice days in a row up to the period's last day (or today)
    int longestStreak = 0;  // inside the period
};

struct DayBest {
    int day = 0;
    qint32 time = 0;
    bool newBest = false;  // the first day and every day under all the days before
};

struct LevelReport {
    int level = 0;
    int runs = 0;
    qint32 bestTime = course::kNoRecord;  // course::kNoRecord: no completed run in the period
    int bestDay = 0;
    double recentMedian = -1;  // of the last ten completed runs; -1: none
    int firstPassDay = 0;      // the first passed run ever (up to the period's end); 0: none
    std::vector<DayBest> dayBests;
};

struct ProgressReport {
    DayRange range;
    ReportTotals totals;
    DayRange previousRange;  // empty: nothing to compare with
    ReportTotals previous;
    std::vector<int> dayRuns;         // runs of each day of the range
    std::vector<LevelReport> levels;  // levels with runs in the period, ascending
};

// The runs of one student, in the order of their moments; runs without a level or a date
// are left out.
std::vector<LogRun> runsOfStudent(std::span<const LogRun> runs, int studentNo);
// The same, straight from the bytes of the log (whole 44-byte records).
std::vector<LogRun> studentRunsInLog(const QByteArray& bytes, int studentNo);
// The first day a student has a run; an invalid date for none.
QDate firstRunDate(std::span<const LogRun> studentRuns);

// The report of a student's runs (runsOfStudent) over `range`, compared with `previous`.
// `today` bounds the current streak.
ProgressReport buildProgressReport(std::span<const LogRun> studentRuns, const DayRange& range,
                                   const DayRange& previous, int today, const ReportLevels& levels);

// Texts of the figures.
QString practiceTimeText(qint64 seconds);       // "1時間05分", "12分30秒"
QString medianText(double median);              // "31秒", "31.5秒", "--"
QString dayText(int day);                       // "12月8日"
QString changeText(qint64 now, qint64 before);  // "+3", "-2", "±0"

}  // namespace records

namespace records {

// One line of the totals as the window and the page show it: "回数", "12回", "先週 +3回".
struct TotalLine {
    QString name;  // objectName stem of the window's labels
    QString caption;
    QString value;
    QString change;  // empty without a previous period
};
std::vector<TotalLine> totalLines(const ProgressReport& report, const QString& previousName);

// One row of the levels: name, runs, best time, its day, median of the last ten, first pass.
QStringList levelCells(const LevelReport& level, const QString& levelName);
QStringList levelHeadings();  // the headings of levelCells, then "日ごとの最高タイム"

// "2026年12月7日～2026年12月13日"
QString rangeText(const DayRange& range);

}  // namespace records
