#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QtGlobal>
#include <functional>
#include <span>
#include <vector>

#include "records/rankings.h"
#include "results/log_record.h"

// The run lists of the home screen, read from the results log: today's runs, all runs of the
// last 3650 days, and the signed-in student's own runs, one list of lines per level.
namespace records {

// One run of the log.
using LogRun = LoggedRun;

enum class RunList { Today, All, Own };

// How many records at the end of the log a list reads: 1000 for today's runs, 20000 for
// the others.
int runListWindow(RunList list);
// How far back the all-runs and own-runs lists look, in days.
constexpr int kLookBackDays = 3650;

// The runs of the last `window` whole 44-byte records of the log bytes, in log order. A torn
// record at the end is ignored.
std::vector<LogRun> decodeLogTail(const QByteArray& bytes, int window);

struct RunListRequest {
    RunList list = RunList::Today;
    RankingKind kind = RankingKind::Times;  // the all-runs list's layout
    int levelCount = 0;
    double today = 0;  // today's day count
    int currentStudentNo = 0;
    std::function<bool(int studentNo)> inGradeGroup;  // empty: every student
    StudentLookup students;
    std::function<qint32(int level)> passTime;
};

// The lines of every level (index = level, 0 unused, levelCount + 1 entries). Runs whose
// level has no column (outside 1..levelCount) or whose student number is outside 0..5000 are
// left out of every list. `progress`, when given, is called with the count of runs handled
// every 256 runs and at the end.
std::vector<QStringList> runListLines(std::span<const LogRun> runs, const RunListRequest& request,
                                      const std::function<void(int)>& progress = {});

// Points of a run as the lists show them (no level weight): the points rule of the
// statistics, 0 for a time of 99998 or more and for a pass time that is not positive.
int runPoints(qint32 time, qint32 passTime);

// Text pieces. Dates and clock times use the short formats yyyy/MM/dd and H:mm:ss.
QString dateText(double dayCount);
QString clockText(double fraction);
QString time5(qint32 time);       // "  30秒"
QString hhmm(double fraction);    // "09:05"
QString mmdd(double dayCount);    // "12/08"
QString date10(double dayCount);  // "2026/12/08"
// The trimmed name padded with full-width blanks and cut to 5 characters: always five,
// also for a student the roster no longer holds, so that the columns after it line up.
QString name5(const QString& name);

}  // namespace records
