#include "results/run_recording.h"

#include <QDateTime>

#include "platform/clock.h"
#include "platform/errors.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/session.h"

namespace {

void checkTableIndex(int level, int student) {
    if (level < 1 || level > kMaxLevel || student < 0 || student > kMaxStudent)
        throw platform::RuntimeError(platform::errSubscriptOutOfRange, resultLogPath(),
                                     QStringLiteral("level=%1 student=%2").arg(level).arg(student));
}

}  // namespace

RunOutcome recordResult(ResultsTables& tables, const FinishedRun& run) {
    const int level = run.level;
    const int s = run.student;
    const qint32 t = run.time;
    checkTableIndex(level, s);
    const LevelTarget& target = state::course().levelTargets[level];

    RunOutcome outcome;
    outcome.run = run;
    outcome.clearedBefore = tables.attempts(level, s) >= target.clearCount &&
                            tables.totalPoints(level, s) >= target.clearPoints;

    const QDateTime now = platform::clock().now();
    PendingRun records{resultRecordOf(run, now).toBytes(), {}};
    if (run.student < kFirstStudentWithoutHomeCopy)
        records.homeRecord = homeResultRecordOf(run, now).toBytes();
    outcome.keeping = keepRun(records);
    if (outcome.keeping.kept == RunKept::Lost) return outcome;

    // The record is in the log or kept for it: the bests it makes now stand.
    if (tables.bestTime(level, s) > t) {
        outcome.personalBest = true;
        tables.bestTime(level, s) = t;
    }
    if (tables.levelBestTime(level) > t) {
        tables.levelBestTime(level) = t;
        outcome.levelBest = true;
    }
    return outcome;
}
