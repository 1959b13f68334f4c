#include "drill/drill_run.h"

#include <gtest/gtest.h>

namespace {

using drill::DrillRun;
using drill::PressResult;

TEST(DrillJudging, OnlyTheNextRankIsCorrect) {
    QString seq;
    for (int expected = 1; expected <= 10; ++expected) {
        for (int rank = 1; rank <= 10; ++rank)
            EXPECT_EQ(drill::isCorrectPress(seq, rank), rank == expected)
                << "after \"" << seq.toStdString() << "\" rank " << rank;
        seq += QString::number(expected);
    }
    EXPECT_EQ(seq, QStringLiteral("12345678910"));
    for (int rank = 1; rank <= 10; ++rank) EXPECT_FALSE(drill::isCorrectPress(seq, rank));
}

TEST(DrillJudging, RankOneAfterTheNinthCardIsWrong) {
    // "1234567891" is a prefix of "12345678910": pressing the first card again must not
    // be taken, or the problem could never be finished.
    DrillRun run;
    run.start(0);
    for (int r = 1; r <= 9; ++r) ASSERT_EQ(run.press(r), PressResult::Correct);
    EXPECT_EQ(run.press(1), PressResult::Wrong);
    EXPECT_EQ(run.pressedSequence, QStringLiteral("123456789"));
    EXPECT_EQ(run.press(10), PressResult::ProblemSolved);
    EXPECT_TRUE(run.problemComplete());
}

TEST(DrillJudging, WrongPressesMoveTheStartTenSecondsBack) {
    DrillRun run;
    run.setTargets(30, 60, 6000);
    run.start(1'000'000);
    EXPECT_EQ(run.press(2), PressResult::Wrong);
    EXPECT_EQ(run.press(1), PressResult::Correct);
    EXPECT_EQ(run.press(1), PressResult::Wrong);  // a card pressed again
    EXPECT_EQ(run.pressedSequence, QStringLiteral("1"));
    EXPECT_EQ(run.tick(1'000'000 + 3'000), 23);
}

TEST(DrillJudging, FiveProblemsEndTheRun) {
    DrillRun run;
    for (int p = 1; p <= 5; ++p) {
        run.newProblem();
        for (int r = 1; r <= 9; ++r) ASSERT_EQ(run.press(r), PressResult::Correct);
        ASSERT_EQ(run.press(10), PressResult::ProblemSolved);
        EXPECT_EQ(run.countSolvedProblem(), p == 5);
        EXPECT_EQ(run.problemsRemaining(), 5 - p);
    }
}

// The elapsed seconds round half to even (platform/numeric).
TEST(DrillClock, ElapsedRoundsHalfToEven) {
    DrillRun run;
    run.start(1'000'000);
    EXPECT_EQ(run.tick(1'000'000 + 2'500), 2);
    EXPECT_EQ(run.tick(1'000'000 + 3'500), 4);
    EXPECT_EQ(run.elapsedSeconds, 4);
}

TEST(DrillClock, RedSquaresCountDownToPassAndSecondTime) {
    using L = QList<int>;
    // Pass time 30: from 21 s one more square each second, all ten at 30 s, none after.
    EXPECT_EQ(drill::squaresToHide(20, 30, 100), L{});
    EXPECT_EQ(drill::squaresToHide(21, 30, 100), L{30});
    EXPECT_EQ(drill::squaresToHide(23, 30, 100), (L{30, 31, 32}));
    EXPECT_EQ(drill::squaresToHide(30, 30, 100), (L{30, 31, 32, 33, 34, 35, 36, 37, 38, 39}));
    EXPECT_EQ(drill::squaresToHide(31, 30, 100), L{});
    // A jump (a wrong press) catches up on the pass-time squares.
    EXPECT_EQ(drill::squaresToHide(27, 30, 100).size(), 7);
    // Second time 60 (pass time passed): the square of that second only.
    EXPECT_EQ(drill::squaresToHide(50, 30, 60), L{});
    EXPECT_EQ(drill::squaresToHide(51, 30, 60), L{30});
    EXPECT_EQ(drill::squaresToHide(55, 30, 60), L{34});
    EXPECT_EQ(drill::squaresToHide(60, 30, 60), L{39});
    EXPECT_EQ(drill::squaresToHide(61, 30, 60), L{});
    // Green and yellow squares are never hidden.
    for (int e = 0; e <= 80; ++e)
        for (int sq : drill::squaresToHide(e, 25, 40)) EXPECT_GE(sq, 30);
}

TEST(DrillClock, TimeLimitAndBars) {
    DrillRun run;
    run.setTargets(30, 60, 6000);
    EXPECT_EQ(run.timeLimit, 300);
    EXPECT_DOUBLE_EQ(run.passBarWidth(), 600);
    EXPECT_DOUBLE_EQ(run.secondBarWidth(), 1200);
    run.start(0);
    run.tick(299'000);
    EXPECT_FALSE(run.timeUp());
    EXPECT_DOUBLE_EQ(run.elapsedBarWidth(), 5980);
    run.tick(300'000);
    EXPECT_TRUE(run.timeUp());
    EXPECT_DOUBLE_EQ(run.elapsedBarWidth(), 6000);
    run.tick(400'000);
    EXPECT_DOUBLE_EQ(run.elapsedBarWidth(), 6000);
    EXPECT_TRUE(run.tickEndsRun());
    run.drillEnded = true;
    EXPECT_FALSE(run.tickEndsRun());
    run.drillEnded = false;
    run.endHandled = true;
    EXPECT_FALSE(run.tickEndsRun());
}

TEST(DrillClock, EndIsHandledOnceAndTimeOutRecords99999) {
    DrillRun run;
    run.elapsedSeconds = 57;
    EXPECT_EQ(run.resultTime(), 57);
    EXPECT_TRUE(run.beginEnd());
    EXPECT_FALSE(run.beginEnd());
    run.endReason = 1;
    EXPECT_EQ(run.resultTime(), 99999);
}

TEST(DrillClock, MinutesSinceSignIn) {
    // Monotonic moments: across midnight too.
    EXPECT_EQ(drill::minutesSinceSignIn(5'000'000 + 59'999, 5'000'000, 10.0, 86000.0), 0);
    EXPECT_EQ(drill::minutesSinceSignIn(5'000'000 + 60'000, 5'000'000, 10.0, 86000.0), 1);
    EXPECT_EQ(drill::minutesSinceSignIn(5'000'000 + 25 * 60'000 + 500, 5'000'000, 0, 0), 25);
    // Without a monotonic sign-in: seconds of the day, a sign-in before midnight counted
    // from the day before, never negative.
    EXPECT_EQ(drill::minutesSinceSignIn(0, 0, 3600.0 + 119.9, 3600.0), 1);
    EXPECT_EQ(drill::minutesSinceSignIn(0, 0, 300.0, 86100.0), 10);
}

}  // namespace
