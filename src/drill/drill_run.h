#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include "course/run_times.h"

// The judging and the clock of one drill run, without any window: the drill screen
// feeds it presses and clock ticks and shows what it returns.
namespace drill {

constexpr int kProblemsPerDrill = 5;
constexpr int kPenaltySeconds = 10;  // added per wrong press
// The countdown squares sPicture3(10..39): 10..19 green, 20..29 yellow, 30..39 red.
constexpr int kFirstSquare = 10;
constexpr int kLastSquare = 39;
constexpr int kFirstRedSquare = 30;

// Number of ranks in a pressed sequence ("12345678910" holds ten).
int ranksPressed(const QString& pressedSequence);

// True when pressing a card of this rank continues the ascending order: the rank is the
// number of ranks pressed so far plus one.
bool isCorrectPress(const QString& pressedSequence, int rank);

// Whole seconds of an elapsed time, an exact half to the even neighbour.
int roundedElapsed(double seconds);

// The red squares a clock tick hides at this elapsed time: from 9 s before the pass
// time one more each second (all of them at the pass time), and from 9 s before the
// second time the square of that second. Indices increase left to right.
QList<int> squaresToHide(int elapsedSeconds, int passTime, int secondTime);

// Whole minutes since the student signed in. The monotonic moment of the sign-in is
// used when it is known (signInMonotonicMs != 0); otherwise the seconds since midnight,
// counting a sign-in before midnight as the day before. Never negative.
int minutesSinceSignIn(qint64 nowMonotonicMs, qint64 signInMonotonicMs, double nowSecondsOfDay,
                       double signInSeconds);

enum class PressResult {
    Wrong,          // 10 s added; nothing else changes
    Correct,        // the rank was appended; the problem goes on
    ProblemSolved,  // the tenth card: the problem is complete
};

// One run of five problems. The clock is the monotonic clock in seconds: a run that
// crosses midnight keeps its true length.
class DrillRun {
  public:
    // Limits of the level: timeLimit = 5 x secondTime. frameWidth is the width of the
    // time bar frame (any unit); the bar widths come back in the same unit.
    void setTargets(qint32 passTime, qint32 secondTime, double frameWidth);

    // Starts the clock at this monotonic moment.
    void start(qint64 nowMonotonicMs);

    // Judges a press of a card of this rank. A wrong press moves the start 10 s back;
    // a correct one appends the rank to pressedSequence.
    PressResult press(int rank);
    bool problemComplete() const;
    // Counts a solved problem; true when it was the last one of the run.
    bool countSolvedProblem();
    // Empties pressedSequence for the next problem.
    void newProblem() { pressedSequence.clear(); }

    // One clock tick: elapsedSeconds from the clock, rounded.
    int tick(qint64 nowMonotonicMs);
    bool timeUp() const { return elapsedSeconds >= timeLimit; }
    // A tick at the limit ends the run only when nothing else has ended it.
    bool tickEndsRun() const { return timeUp() && !endHandled && !drillEnded; }

    double elapsedBarWidth() const;
    double passBarWidth() const { return passTime * barScale; }
    double secondBarWidth() const { return secondTime * barScale; }
    int problemsRemaining() const { return problemsPerDrill - problemsSolved; }

    // Sets endHandled; false when the end of the run has been handled already.
    bool beginEnd();
    // The time recorded for the run: 99999 after the time limit, else the elapsed time
    // of the last tick.
    qint32 resultTime() const { return endReason == 1 ? course::kNoRecord : elapsedSeconds; }

    int problemsPerDrill = kProblemsPerDrill;
    int problemsSolved = 0;
    double drillStart = 0;  // monotonic seconds, 10 s earlier per wrong press
    int elapsedSeconds = 0;
    qint32 passTime = 0;
    qint32 secondTime = 0;
    qint32 timeLimit = 0;
    double frameWidth = 0;
    double barScale = 0;
    int endReason = 0;  // 0 solved, 1 time limit
    bool drillEnded = false;
    bool endHandled = false;
    QString pressedSequence;
};

}  // namespace drill
