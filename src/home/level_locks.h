#pragma once

#include <QString>
#include <array>
#include <vector>

#include "app/shared_state.h"

class ResultsTables;

// Targets of a level met inside the clear window: clearWindowPoints >= clearPoints and
// clearWindowCount >= clearCount.
bool levelCleared(const LevelTarget& target, const ResultsTables& stats, int level, int student);

// Enough work at a level inside the free window: (freeCount != 0 and freeWindowCount >=
// freeCount) or (freePoints != 0 and freeWindowPoints >= freePoints).
bool enoughPractice(const LevelTarget& target, const ResultsTables& stats, int level, int student);

// Everything the level locks of the home screen are decided from.
struct LevelLockInput {
    int levelCount = 0;
    int topLevel = 0;
    const std::array<QString, kMaxLevel + 1>* levelNames = nullptr;
    const std::array<LevelTarget, kMaxLevel + 1>* targets = nullptr;
    const ResultsTables* stats = nullptr;
    int studentNo = 0;
    QString studentName;  // trimmed
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

// The input for the shared state and statistics of the signed-in student.
LevelLockInput levelLockInputFromSharedState(const ResultsTables& stats);

// A name without surrounding ASCII blanks (the roster pads names with spaces).
QString trimBlanks(const QString& text);
