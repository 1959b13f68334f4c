#include "drill/drill_run.h"

#include <algorithm>
#include <cmath>

#include "course/time_limit.h"
#include "platform/numeric.h"

namespace drill {

namespace {
const QString kFullSequence = QStringLiteral("12345678910");
constexpr double kSecondsPerDay = 86400.0;
}  // namespace

int ranksPressed(const QString& pressedSequence) {
    const qsizetype n = pressedSequence.size();
    return static_cast<int>(n <= 9 ? n : 9 + (n - 9) / 2);
}

bool isCorrectPress(const QString& pressedSequence, int rank) {
    // Judged by the count of ranks: a plain prefix test would take the card of rank 1
    // after the ninth card ("1234567891" starts "12345678910") and leave the problem
    // unsolvable.
    return rank == ranksPressed(pressedSequence) + 1 && rank <= 10 &&
           kFullSequence.startsWith(pressedSequence);
}

int roundedElapsed(double seconds) {
    return static_cast<int>(platform::roundHalfEven(seconds));
}

QList<int> squaresToHide(int elapsedSeconds, int passTime, int secondTime) {
    QList<int> hidden;
    if (passTime >= elapsedSeconds) {
        const int last = std::min(9, elapsedSeconds - passTime + 9);
        for (int k = 0; k <= last; ++k) hidden.append(kFirstRedSquare + k);
    }
    if (secondTime >= elapsedSeconds) {
        const int k = secondTime - elapsedSeconds;
        if (k <= 9 && !hidden.contains(kLastSquare - k)) hidden.append(kLastSquare - k);
    }
    return hidden;
}

int minutesSinceSignIn(qint64 nowMonotonicMs, qint64 signInMonotonicMs, double nowSecondsOfDay,
                       double signInSeconds) {
    qint64 seconds = 0;
    if (signInMonotonicMs != 0) {
        seconds = (nowMonotonicMs - signInMonotonicMs) / 1000;
    } else {
        double diff = nowSecondsOfDay - signInSeconds;
        if (diff < 0) diff += kSecondsPerDay;  // signed in before midnight
        seconds = static_cast<qint64>(std::floor(diff));
    }
    return static_cast<int>(std::max<qint64>(0, seconds) / 60);
}

void DrillRun::setTargets(qint32 pass, qint32 second, double frame) {
    passTime = pass;
    secondTime = second;
    timeLimit = timeLimitFor(second);
    frameWidth = frame;
    barScale = timeLimit > 0 ? frame / timeLimit : 0;
}

void DrillRun::start(qint64 nowMonotonicMs) {
    drillStart = nowMonotonicMs / 1000.0;
}

PressResult DrillRun::press(int rank) {
    if (!isCorrectPress(pressedSequence, rank)) {
        drillStart -= kPenaltySeconds;
        return PressResult::Wrong;
    }
    pressedSequence += QString::number(rank);
    return problemComplete() ? PressResult::ProblemSolved : PressResult::Correct;
}

bool DrillRun::problemComplete() const {
    return pressedSequence == kFullSequence;
}

bool DrillRun::countSolvedProblem() {
    ++problemsSolved;
    return problemsSolved >= problemsPerDrill;
}

int DrillRun::tick(qint64 nowMonotonicMs) {
    elapsedSeconds = roundedElapsed(nowMonotonicMs / 1000.0 - drillStart);
    return elapsedSeconds;
}

double DrillRun::elapsedBarWidth() const {
    return elapsedSeconds < timeLimit ? elapsedSeconds * barScale : frameWidth;
}

bool DrillRun::beginEnd() {
    if (endHandled) return false;
    endHandled = true;
    return true;
}

}  // namespace drill
