#include "endscreen/evaluation.h"

#include <cmath>

#include "course/run_times.h"
#include "platform/errors.h"
#include "platform/numeric.h"
#include "state/settings.h"

namespace evaluation {

QString pointsLine(int base, double pointWeight, qint64 points) {
    return QStringLiteral("獲得ポイント：") + QString::number(base) + QStringLiteral("点×") +
           platform::numberText(pointWeight) + QStringLiteral("→") + QString::number(points) +
           QStringLiteral("点");
}

QString resultLine(qint32 t) {
    if (course::isNoResult(t)) return QStringLiteral("記録なし");
    return QStringLiteral("今の成績：") + QString::number(t) + QStringLiteral("秒");
}

QString attemptBeforeText(double todayCount) {
    return platform::numberText(todayCount + 1);
}

QString levelAttemptText(double todayCount) {
    return QStringLiteral(" (このレベル　") + platform::numberText(todayCount) +
           QStringLiteral("回目)");
}

QString todayAttemptText(qint64 todayTotal) {
    return QStringLiteral("（") + QString::number(todayTotal) + QStringLiteral("回目)");
}

Verdict verdictFor(int endReason, int levelBestFlag, int personalBestFlag, qint32 t,
                   qint32 secondTime) {
    if (endReason == 1) return {QStringLiteral("時間切れ"), VerdictSound::None};
    if (levelBestFlag == 1)
        return {QStringLiteral("！！！最高新記録！！！"), VerdictSound::LevelBest};
    if (personalBestFlag == 1)
        return {QStringLiteral("新記録おめでとう"), VerdictSound::PersonalBest};
    if (t <= secondTime) return {QString(), VerdictSound::NoRecord};
    return {};
}

ClearMarks clearMarksFor(bool levelCleared, bool atTopLevel, bool anyClearCount9999,
                         int clearedBeforeFlag) {
    ClearMarks marks;
    marks.showLevelCleared = levelCleared;
    const bool goal = levelCleared && atTopLevel;
    marks.showGoalPicture = goal && !anyClearCount9999;
    marks.playGoalSound = goal && clearedBeforeFlag == 0;
    return marks;
}

SecondPhase secondPhaseFor(bool enoughPractice, bool levelCleared, bool atTopLevel,
                           bool goalCleared) {
    SecondPhase phase;
    if (!enoughPractice || !levelCleared) return phase;
    if (atTopLevel) {
        phase.label2 = Label2Change::EmptyAndHide;
    } else if (!goalCleared) {
        phase.showRetry = false;
        phase.label2 = Label2Change::NextLevelHint;
    }
    return phase;
}

}  // namespace evaluation
