#include "course/level_locks.h"

#include <gtest/gtest.h>

#include <QString>

#include "state/course.h"

namespace {

// Six levels; every level needs 2 drills and 10 points inside the clear window.
class LevelLocksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int level = 1; level <= 6; ++level) {
            figures[level].known = true;
            targets[level].passTime = 30;
            targets[level].clearPoints = 10;
            targets[level].clearCount = 2;
        }
    }

    LevelLocks walk(const QString& name = QStringLiteral("山田花子"), int topLevel = 4) {
        LevelLockInput in;
        in.levelCount = 6;
        in.topLevel = topLevel;
        in.practice = practice;
        in.targets = &targets;
        in.figures = figures;
        in.studentName = name;
        return computeLevelLocks(in);
    }

    void clear(int level) {
        figures[level].clearWindowPoints = 10;
        figures[level].clearWindowCount = 2;
    }

    static std::vector<int> enabled(const LevelLocks& locks) {
        std::vector<int> out;
        for (size_t level = 1; level < locks.startEnabled.size(); ++level)
            if (locks.startEnabled[level]) out.push_back(static_cast<int>(level));
        return out;
    }

    std::array<bool, kMaxLevel + 1> practice{};
    std::array<LevelTarget, kMaxLevel + 1> targets{};
    std::array<LevelFigures, kMaxLevel + 1> figures{};
};

TEST_F(LevelLocksTest, WithoutResultsOnlyLevelOneIsOpen) {
    const LevelLocks locks = walk();
    EXPECT_EQ(enabled(locks), std::vector<int>({1}));
    EXPECT_FALSE(locks.goalCleared);
    for (int level = 1; level <= 6; ++level) EXPECT_TRUE(locks.markerVisible[level]) << level;
}

TEST_F(LevelLocksTest, PracticeAndAlwaysOpenLevelsWithoutResults) {
    // Level 1 is a practice level: it opens level 2 while the walk is not blocked. Level 2
    // blocks; the practice level 4 is open itself but no longer opens level 5. Level 6 has
    // clearPoints 9999 and is open whatever came before.
    practice[1] = true;
    practice[4] = true;
    targets[6].clearPoints = 9999;
    const LevelLocks locks = walk();
    EXPECT_EQ(enabled(locks), std::vector<int>({1, 2, 4, 6}));
    EXPECT_FALSE(locks.markerVisible[2]);
    EXPECT_FALSE(locks.markerVisible[1]);  // practice level: hidden with the level it opens
    EXPECT_TRUE(locks.markerVisible[3]);
    EXPECT_TRUE(locks.markerVisible[4]);
    EXPECT_FALSE(locks.markerVisible[5]);  // hidden with the level it opens
    EXPECT_FALSE(locks.markerVisible[6]);
}

TEST_F(LevelLocksTest, TeacherOpensEveryLevel) {
    EXPECT_EQ(enabled(walk(QStringLiteral("先生"))), std::vector<int>({1, 2, 3, 4, 5, 6}));
    // Only the exact name counts.
    EXPECT_EQ(enabled(walk(QStringLiteral("先生A"))), std::vector<int>({1}));
}

TEST_F(LevelLocksTest, ClearingALevelOpensTheNextOne) {
    figures[3].clearWindowPoints = 10;
    figures[3].clearWindowCount = 1;  // one drill short
    EXPECT_EQ(enabled(walk()), std::vector<int>({1}));

    clear(3);
    // A cleared level opens the next one even after the walk was blocked.
    EXPECT_EQ(enabled(walk()), std::vector<int>({1, 4}));

    clear(1);
    clear(2);
    EXPECT_EQ(enabled(walk()), std::vector<int>({1, 2, 3, 4}));
}

TEST_F(LevelLocksTest, GoalClearedFollowsTheTopLevel) {
    clear(4);
    EXPECT_TRUE(walk().goalCleared);
    EXPECT_FALSE(walk(QStringLiteral("山田花子"), 5).goalCleared);
}

TEST_F(LevelLocksTest, MarkerOfAClearedLevelStaysWhileTheFreeRuleHolds) {
    clear(1);
    targets[1].freeCount = 3;
    figures[1].freeWindowCount = 3;
    LevelLocks locks = walk();
    EXPECT_TRUE(locks.markerVisible[1]);
    EXPECT_FALSE(locks.markerVisible[2]);

    // Without enough practice the marker goes.
    figures[1].freeWindowCount = 2;
    EXPECT_FALSE(walk().markerVisible[1]);

    // With the goal cleared it goes as well.
    figures[1].freeWindowCount = 3;
    clear(4);
    EXPECT_FALSE(walk().markerVisible[1]);
}

TEST(EnoughPractice, RulesWithZeroTargetsAreSwitchedOff) {
    LevelTarget t;
    LevelFigures f{true, 0, 0, 1000, 100};
    EXPECT_FALSE(enoughPractice(t, f));
    t.freePoints = 1000;
    EXPECT_TRUE(enoughPractice(t, f));
    t.freePoints = 1001;
    EXPECT_FALSE(enoughPractice(t, f));
    t.freeCount = 100;
    EXPECT_TRUE(enoughPractice(t, f));
    f.known = false;  // a level or student outside the tables
    EXPECT_FALSE(enoughPractice(t, f));
    EXPECT_FALSE(levelCleared(LevelTarget{}, f));
}

}  // namespace
