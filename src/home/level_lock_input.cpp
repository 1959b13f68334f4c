#include "home/level_lock_input.h"

#include "results/statistics.h"
#include "roster/roster.h"
#include "state/course.h"

LevelLockInput levelLockInputOfSession(const ResultsTables& stats, const state::Session& session) {
    const state::Course& course = state::course();
    LevelLockInput in;
    in.levelCount = course.levelCount;
    in.topLevel = static_cast<int>(course.topLevel);
    in.practice = course.practice;
    in.targets = &course.levelTargets;
    for (int level = 1; level <= kMaxLevel; ++level)
        in.figures[level] = levelFiguresOf(stats, level, session.currentStudentNo);
    in.studentName = trimSpaces(session.currentStudentName);
    return in;
}
