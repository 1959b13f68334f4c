#include "endscreen/evaluation.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "state/settings.h"

namespace {

// The failed best (99998) and no result (99999) show as no record; 99997 is a time.
TEST(EndTexts, NoRecordTimes) {
    EXPECT_EQ(evaluation::resultLine(99997), QStringLiteral("今の成績：99997秒"));
    EXPECT_EQ(evaluation::resultLine(99998), QStringLiteral("記録なし"));
}

TEST(EndVerdict, FirstMatchingCaseOnly) {
    using evaluation::VerdictSound;
    // Time-out: the message and no sound, whatever the flags say.
    auto v = evaluation::verdictFor(1, 1, 1, 99999, 60);
    EXPECT_EQ(v.message, QStringLiteral("時間切れ"));
    EXPECT_EQ(v.sound, VerdictSound::None);
    // Both record flags: only the best of all students.
    v = evaluation::verdictFor(0, 1, 1, 20, 60);
    EXPECT_EQ(v.message, QStringLiteral("！！！最高新記録！！！"));
    EXPECT_EQ(v.sound, VerdictSound::LevelBest);
    v = evaluation::verdictFor(0, 0, 1, 20, 60);
    EXPECT_EQ(v.message, QStringLiteral("新記録おめでとう"));
    EXPECT_EQ(v.sound, VerdictSound::PersonalBest);
    // No record: the sound within the second time, silence beyond it.
    v = evaluation::verdictFor(0, 0, 0, 60, 60);
    EXPECT_TRUE(v.message.isEmpty());
    EXPECT_EQ(v.sound, VerdictSound::NoRecord);
    v = evaluation::verdictFor(0, 0, 0, 61, 60);
    EXPECT_TRUE(v.message.isEmpty());
    EXPECT_EQ(v.sound, VerdictSound::None);
}

TEST(EndVerdict, GoalMarksAndSound) {
    auto m = evaluation::clearMarksFor(true, true, false, 0);
    EXPECT_TRUE(m.showLevelCleared);
    EXPECT_TRUE(m.showGoalPicture);
    EXPECT_TRUE(m.playGoalSound);
    // Cleared before this run: the picture but no sound.
    m = evaluation::clearMarksFor(true, true, false, 1);
    EXPECT_TRUE(m.showGoalPicture);
    EXPECT_FALSE(m.playGoalSound);
    // A level with clearCount 9999 keeps the picture away, not the sound.
    m = evaluation::clearMarksFor(true, true, true, 0);
    EXPECT_FALSE(m.showGoalPicture);
    EXPECT_TRUE(m.playGoalSound);
    // Another level cleared: only its mark.
    m = evaluation::clearMarksFor(true, false, false, 0);
    EXPECT_TRUE(m.showLevelCleared);
    EXPECT_FALSE(m.showGoalPicture);
    EXPECT_FALSE(m.playGoalSound);
    m = evaluation::clearMarksFor(false, true, false, 0);
    EXPECT_FALSE(m.showLevelCleared || m.showGoalPicture || m.playGoalSound);
}

TEST(EndSecondPhase, RetryAndNextLevelHint) {
    using evaluation::Label2Change;
    // Not practised enough (also when both free targets are 0): always "もう一度".
    auto p = evaluation::secondPhaseFor(false, true, false, false);
    EXPECT_TRUE(p.showRetry);
    EXPECT_EQ(p.label2, Label2Change::Keep);
    p = evaluation::secondPhaseFor(true, false, false, false);
    EXPECT_TRUE(p.showRetry);
    EXPECT_EQ(p.label2, Label2Change::Keep);
    p = evaluation::secondPhaseFor(true, true, true, false);
    EXPECT_TRUE(p.showRetry);
    EXPECT_EQ(p.label2, Label2Change::EmptyAndHide);
    p = evaluation::secondPhaseFor(true, true, false, false);
    EXPECT_FALSE(p.showRetry);
    EXPECT_EQ(p.label2, Label2Change::NextLevelHint);
    p = evaluation::secondPhaseFor(true, true, false, true);
    EXPECT_TRUE(p.showRetry);
    EXPECT_EQ(p.label2, Label2Change::Keep);
}

}  // namespace
