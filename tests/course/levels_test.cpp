#include "course/levels.h"

#include <gtest/gtest.h>

#include "state/course.h"

namespace {

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
