#pragma once

#include <QtGlobal>

// The special run times and targets every program of the family reads from the shared files,
// named once. Times are whole seconds.
namespace course {

// No record: the time of a run that reached the time limit, and the best time of a student
// (or a level) without any run.
constexpr qint32 kNoRecord = 99999;
// A failed best: shown as "*失敗*" in the rankings. From here on a run earns no points.
constexpr qint32 kFailedBest = 99998;
// A run at or above this time is a failed run: listed without points or time.
constexpr qint32 kFailedFrom = 90000;
// A run below this time is a completed drill (counted in the figures).
constexpr qint32 kCompletedBelow = 6000;
// The time charts count and plot runs below this time only.
constexpr qint32 kChartTimeBelow = 1800;
// Practice levels run against this many seconds whatever the targets file says.
constexpr qint32 kPracticeSeconds = 600;
// A clear target (clearPoints or clearCount) of this value means the level has none: the
// next level is open without clearing this one.
constexpr qint32 kNoClearTarget = 9999;

// A time that earns no points and shows as no result ("記録なし").
constexpr bool isNoResult(qint32 time) {
    return time >= kFailedBest;
}
// A run listed as failed (no points, no time).
constexpr bool isFailedRun(qint32 time) {
    return time >= kFailedFrom;
}
// A run that counts as a completed drill.
constexpr bool isCompleted(qint32 time) {
    return time < kCompletedBelow;
}
// A run the time charts count.
constexpr bool countsOnChart(qint32 time) {
    return time < kChartTimeBelow;
}
constexpr bool hasNoClearTarget(qint32 target) {
    return target == kNoClearTarget;
}

}  // namespace course
