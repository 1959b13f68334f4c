#pragma once

#include <QString>
#include <array>
#include <vector>

#include "state/course.h"

// A student's figures at one level, as the statistics give them. Unknown figures (a level
// or student outside the tables) meet no target.
struct LevelFigures {
    bool known = false;
    qint32 clearWindowPoints = 0;
    qint16 clearWindowCount = 0;
    qint32 freeWindowPoints = 0;
    qint16 freeWindowCount = 0;
};

// Targets of a level met inside the clear window: clearWindowPoints >= clearPoints and
// clearWindowCount >= clearCount.
bool levelCleared(const LevelTarget& target, const LevelFigures& figures);

// Enough work at a level inside the free window: (freeCount != 0 and freeWindowCount >=
// freeCount) or (freePoints != 0 and freeWindowPoints >= freePoints).
bool enoughPractice(const LevelTarget& target, const LevelFigures& figures);

// Everything the level locks of the home screen are decided from.
struct LevelLockInput {
    int levelCount = 0;
    int topLevel = 0;
    std::array<bool, kMaxLevel + 1> practice{};
    const std::array<LevelTarget, kMaxLevel + 1>* targets = nullptr;
    std::array<LevelFigures, kMaxLevel + 1> figures{};  // the student's, per level
    QString studentName;                                // trimmed
};

// Outcome per level, index 1..levelCount (index 0 unused).
struct LevelLocks {
    std::vector<bool> startEnabled;   // Command4(L)
    std::vector<bool> markerVisible;  // Text1(L)
    bool goalCleared = false;
};

// The lock walk of the home screen: level 1 and the practice levels are open; level L + 1
// opens when its clearPoints is 9999, when the student is "先生", when level L is cleared,
// or, as long as no level has blocked the walk, when level L is a practice level.
LevelLocks computeLevelLocks(const LevelLockInput& in);
