#include "course/levels.h"

#include <gtest/gtest.h>

#include "state/course.h"

namespace {

TEST(LevelTable, StepLevelsExplainTheirStep) {
    for (int level = 1; level <= 4; ++level) {
        EXPECT_EQ(course::level(level).maxStep, level);
        EXPECT_FALSE(course::level(level).practice);
    }
    EXPECT_EQ(course::level(2).explanation, QStringLiteral("レベル2＝１～２ずつ増えています"));
    EXPECT_EQ(course::level(4).explanation, QStringLiteral("レベル4＝１～４ずつ増えています"));
    for (int level : {0, 5, 21}) EXPECT_TRUE(course::level(level).explanation.isEmpty());
    EXPECT_EQ(course::level(7).maxStep, 1);
}

TEST(LevelTable, PracticeLevelsOfTheCountRunAgainst600Seconds) {
    std::array<LevelTarget, kMaxLevel + 1> targets{};
    for (auto& t : targets) {
        t.passTime = 30;
        t.secondTime = 60;
        t.clearPoints = 40;
    }
    course::applyPracticeOverride(6, targets);  // level 5 "範囲３練" is a practice level
    EXPECT_EQ(targets[5].passTime, 600);
    EXPECT_EQ(targets[5].secondTime, 600);
    EXPECT_EQ(targets[5].clearPoints, 40);
    EXPECT_EQ(targets[6].passTime, 30);
    EXPECT_EQ(targets[7].passTime, 30);  // beyond the count
}

}  // namespace
