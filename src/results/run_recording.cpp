#include "results/run_recording.h"

#include <QDateTime>

#include "app/shared_state.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/roster.h"

namespace {

void checkTableIndex(int level, int student) {
    if (level < 1 || level > kMaxLevel || student < 0 || student > kMaxStudent)
        throw platform::RuntimeError(platform::errSubscriptOutOfRange, resultLogPath(),
                                     QStringLiteral("level=%1 student=%2").arg(level).arg(student));
}

}  // namespace

void recordResult(int level) {
    const int s = shared.currentStudentNo;
    const qint32 t = shared.resultTime;
    checkTableIndex(level, s);
    ResultsTables& tables = resultsTables();
    const LevelTarget& target = state::course().levelTargets[level];

    shared.clearedBeforeFlag = (tables.attempts(level, s) >= target.clearCount &&
                                tables.totalPoints(level, s) >= target.clearPoints)
                                   ? 1
                                   : 0;

    const QDateTime now = platform::clock().now();
    appendResultRecord(now);

    // The record is in the log: the bests it makes now stand.
    if (tables.bestTime(level, s) > t) {
        shared.personalBestFlag = 1;
        tables.bestTime(level, s) = t;
    }
    if (tables.levelBestTime(level) > t) {
        tables.levelBestTime(level) = t;
        shared.levelBestFlag = 1;
    }

    appendHomeResultRecord(now);
}
