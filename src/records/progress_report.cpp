#include "records/progress_report.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "course/levels.h"
#include "course/time_limit.h"
#include "platform/dates.h"
#include "results/result_log.h"

namespace records {

namespace {

bool failed(qint32 time) {
    return course::isFailedRun(time);
}

bool validLevel(int level) {
    return level >= 1 && level <= kMaxLevel;
}

int runDay(const LogRun& run) {
    return static_cast<int>(std::floor(run.date));
}

QDate schoolYearStart(const QDate& today, int startMonth) {
    const int month = startMonth >= 1 && startMonth <= 12 ? startMonth : 4;
    return QDate(today.month() >= month ? today.year() : today.year() - 1, month, 1);
}

// Counts, seconds, points and days of the runs inside `range`; `dayRuns` (one entry per day
// of the range) gets the runs of each day.
ReportTotals totalsOver(std::span<const LogRun> runs, const DayRange& range,
                        const ReportLevels& levels, std::vector<int>& dayRuns) {
    ReportTotals t;
    dayRuns.assign(static_cast<size_t>(range.days()), 0);
    for (const LogRun& run : runs) {
        const int day = runDay(run);
        if (!range.contains(day)) continue;
        const auto level = static_cast<size_t>(run.level);
        ++t.runs;
        ++dayRuns[static_cast<size_t>(day - range.first)];
        if (failed(run.time)) {
            ++t.outOfTime;
            t.seconds += levels.timeLimit[level];
            continue;
        }
        t.seconds += std::max<qint32>(run.time, 0);
        if (levels.practice[level]) continue;
        if (levels.passTime[level] > 0 && run.time <= levels.passTime[level]) ++t.passed;
        t.points += runPoints(run.time, levels.passTime[level]);
    }
    int streak = 0;
    for (int count : dayRuns) {
        if (count == 0) {
            streak = 0;
            continue;
        }
        ++t.days;
        t.longestStreak = std::max(t.longestStreak, ++streak);
    }
    return t;
}

// Practice days in a row up to the last day of the range, or up to yesterday while today
// (the last day) has no run yet.
int currentStreak(const std::vector<int>& practiceDays, const DayRange& range, int today) {
    if (range.days() == 0) return 0;
    int day = std::min(range.last, today);
    const auto practised = [&](int d) {
        return std::binary_search(practiceDays.begin(), practiceDays.end(), d);
    };
    if (day == today && !practised(day)) --day;
    int streak = 0;
    while (practised(day)) {
        ++streak;
        --day;
    }
    return streak;
}

LevelReport levelReport(std::span<const LogRun> runs, int level, const DayRange& range,
                        const ReportLevels& levels) {
    LevelReport report;
    report.level = level;
    const auto index = static_cast<size_t>(level);
    const bool practice = levels.practice[index];
    const qint32 passTime = levels.passTime[index];
    std::vector<qint32> completed;
    std::vector<DayBest> dayBests;
    for (const LogRun& run : runs) {
        if (run.level != level) continue;
        const int day = runDay(run);
        if (!practice && !failed(run.time) && passTime > 0 && run.time <= passTime &&
            day <= range.last && (report.firstPassDay == 0 || day < report.firstPassDay))
            report.firstPassDay = day;
        if (!range.contains(day)) continue;
        ++report.runs;
        if (failed(run.time)) continue;
        completed.push_back(run.time);
        if (run.time < report.bestTime) {
            report.bestTime = run.time;
            report.bestDay = day;
        }
        if (!dayBests.empty() && dayBests.back().day == day)
            dayBests.back().time = std::min(dayBests.back().time, run.time);
        else
            dayBests.push_back({day, run.time, false});
    }
    if (!completed.empty()) {
        std::vector<qint32> last(completed.end() - std::min<ptrdiff_t>(10, completed.size()),
                                 completed.end());
        std::sort(last.begin(), last.end());
        const size_t n = last.size();
        report.recentMedian =
            n % 2 ? last[n / 2] : (static_cast<double>(last[n / 2 - 1]) + last[n / 2]) / 2;
    }
    qint32 lowest = course::kNoRecord;
    for (DayBest& best : dayBests) {
        best.newBest = best.time < lowest;
        lowest = std::min(lowest, best.time);
    }
    report.dayBests = std::move(dayBests);
    return report;
}

}  // namespace

QString periodName(ReportPeriod period) {
    switch (period) {
        case ReportPeriod::ThisWeek:
            return QStringLiteral("今週");
        case ReportPeriod::ThisMonth:
            return QStringLiteral("今月");
        case ReportPeriod::LastThreeMonths:
            return QStringLiteral("最近3か月");
        case ReportPeriod::SchoolYear:
            return QStringLiteral("今年度");
        case ReportPeriod::All:
            return QStringLiteral("すべて");
        case ReportPeriod::Dates:
            return QStringLiteral("日付を指定");
    }
    return QString();
}

int dayOf(const QDate& date) {
    return static_cast<int>(platform::dayCountFromDate(date));
}

QDate dateOfDay(int day) {
    return platform::dateFromDayCount(day);
}

DayRange periodRange(ReportPeriod period, const QDate& today, int schoolYearStartMonth,
                     const QDate& chosenFrom, const QDate& chosenTo, const QDate& firstRun) {
    switch (period) {
        case ReportPeriod::ThisWeek: {
            const int monday = dayOf(today) - (today.dayOfWeek() - 1);
            return {monday, monday + 6};
        }
        case ReportPeriod::ThisMonth: {
            const QDate first(today.year(), today.month(), 1);
            return {dayOf(first), dayOf(first.addMonths(1)) - 1};
        }
        case ReportPeriod::LastThreeMonths:
            return {dayOf(today.addMonths(-3)) + 1, dayOf(today)};
        case ReportPeriod::SchoolYear: {
            const QDate first = schoolYearStart(today, schoolYearStartMonth);
            return {dayOf(first), dayOf(first.addYears(1)) - 1};
        }
        case ReportPeriod::All:
            return {firstRun.isValid() ? std::min(dayOf(firstRun), dayOf(today)) : dayOf(today),
                    dayOf(today)};
        case ReportPeriod::Dates: {
            const int from = dayOf(chosenFrom.isValid() ? chosenFrom : today);
            const int to = dayOf(chosenTo.isValid() ? chosenTo : today);
            return {std::min(from, to), std::max(from, to)};
        }
    }
    return {};
}

DayRange previousRange(ReportPeriod period, const DayRange& current, int schoolYearStartMonth) {
    Q_UNUSED(schoolYearStartMonth);
    const QDate first = dateOfDay(current.first);
    switch (period) {
        case ReportPeriod::ThisWeek:
            return {current.first - 7, current.first - 1};
        case ReportPeriod::ThisMonth:
            return {dayOf(first.addMonths(-1)), current.first - 1};
        case ReportPeriod::LastThreeMonths:
            return {dayOf(first.addMonths(-3)), current.first - 1};
        case ReportPeriod::SchoolYear:
            return {dayOf(first.addYears(-1)), current.first - 1};
        case ReportPeriod::Dates:
            return {current.first - current.days(), current.first - 1};
        case ReportPeriod::All:
            break;
    }
    return {};
}

QString previousName(ReportPeriod period) {
    switch (period) {
        case ReportPeriod::ThisWeek:
            return QStringLiteral("先週");
        case ReportPeriod::ThisMonth:
            return QStringLiteral("先月");
        case ReportPeriod::LastThreeMonths:
            return QStringLiteral("前の3か月");
        case ReportPeriod::SchoolYear:
            return QStringLiteral("昨年度");
        case ReportPeriod::Dates:
            return QStringLiteral("前の期間");
        case ReportPeriod::All:
            break;
    }
    return QString();
}

ReportLevels reportLevelsOf(const state::Course& course) {
    ReportLevels levels;
    for (int level = 1; level <= kMaxLevel; ++level) {
        const auto i = static_cast<size_t>(level);
        levels.passTime[i] = course.levelTargets[i].passTime;
        levels.timeLimit[i] = timeLimitFor(course.levelTargets[i].secondTime);
        levels.practice[i] = course::level(level).practice;
    }
    return levels;
}

namespace {

bool usableRun(const LogRun& run) {
    return validLevel(run.level) && std::isfinite(run.date) && run.date >= 0 && run.date < 3.0e6;
}

// Machines sharing the log append as they finish: the order of the moments is kept (the
// log is almost always in order already).
void sortByMoment(std::vector<LogRun>& runs) {
    const auto earlier = [](const LogRun& a, const LogRun& b) {
        return a.date + a.timeOfDay < b.date + b.timeOfDay;
    };
    if (!std::is_sorted(runs.begin(), runs.end(), earlier))
        std::stable_sort(runs.begin(), runs.end(), earlier);
}

}  // namespace

std::vector<LogRun> runsOfStudent(std::span<const LogRun> runs, int studentNo) {
    std::vector<LogRun> own;
    if (studentNo < 1) return own;
    for (const LogRun& run : runs)
        if (run.studentNo == studentNo && usableRun(run)) own.push_back(run);
    sortByMoment(own);
    return own;
}

std::vector<LogRun> studentRunsInLog(const QByteArray& bytes, int studentNo) {
    std::vector<LogRun> own;
    if (studentNo < 1) return own;
    const qint64 n = bytes.size() / kResultRecordSize;
    for (qint64 rec = 0; rec < n; ++rec) {
        const LogRun run = decodeLoggedRun(bytes.constData() + rec * kResultRecordSize);
        if (run.studentNo == studentNo && usableRun(run)) own.push_back(run);
    }
    sortByMoment(own);
    return own;
}

QDate firstRunDate(std::span<const LogRun> studentRuns) {
    if (studentRuns.empty()) return QDate();
    return dateOfDay(runDay(studentRuns.front()));
}

ProgressReport buildProgressReport(std::span<const LogRun> studentRuns, const DayRange& range,
                                   const DayRange& previous, int today,
                                   const ReportLevels& levels) {
    ProgressReport report;
    report.range = range;
    report.previousRange = previous;
    std::vector<int> practiceDays;
    practiceDays.reserve(studentRuns.size());
    for (const LogRun& run : studentRuns) practiceDays.push_back(runDay(run));
    if (!std::is_sorted(practiceDays.begin(), practiceDays.end()))
        std::sort(practiceDays.begin(), practiceDays.end());
    practiceDays.erase(std::unique(practiceDays.begin(), practiceDays.end()), practiceDays.end());

    report.totals = totalsOver(studentRuns, range, levels, report.dayRuns);
    report.totals.currentStreak = currentStreak(practiceDays, range, today);
    if (previous.days() > 0) {
        std::vector<int> previousDays;
        report.previous = totalsOver(studentRuns, previous, levels, previousDays);
        report.previous.currentStreak = currentStreak(practiceDays, previous, today);
    }
    std::array<bool, kMaxLevel + 1> practised{};
    for (const LogRun& run : studentRuns)
        if (range.contains(runDay(run))) practised[static_cast<size_t>(run.level)] = true;
    for (int level = 1; level <= kMaxLevel; ++level)
        if (practised[static_cast<size_t>(level)])
            report.levels.push_back(levelReport(studentRuns, level, range, levels));
    return report;
}

}  // namespace records
