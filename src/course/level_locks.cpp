#include "course/level_locks.h"

#include <algorithm>

#include "course/run_times.h"
#include "state/course.h"

namespace {

bool validLevel(int level) {
    return level >= 1 && level <= kMaxLevel;
}

}  // namespace

bool levelCleared(const LevelTarget& target, const LevelFigures& figures) {
    return figures.known && figures.clearWindowPoints >= target.clearPoints &&
           figures.clearWindowCount >= target.clearCount;
}

bool enoughPractice(const LevelTarget& target, const LevelFigures& figures) {
    return figures.known &&
           ((target.freeCount != 0 && figures.freeWindowCount >= target.freeCount) ||
            (target.freePoints != 0 && figures.freeWindowPoints >= target.freePoints));
}

LevelLocks computeLevelLocks(const LevelLockInput& in) {
    LevelLocks out;
    const int n = std::clamp(in.levelCount, 0, kMaxLevel);
    out.startEnabled.assign(n + 1, false);
    out.markerVisible.assign(n + 1, true);
    out.markerVisible[0] = false;
    if (!in.targets) return out;
    const auto& targets = *in.targets;
    const auto& figures = in.figures;
    const auto practice = [&in](int level) { return validLevel(level) && in.practice[level]; };

    if (validLevel(in.topLevel))
        out.goalCleared = levelCleared(targets[in.topLevel], figures[in.topLevel]);

    if (n >= 1) out.startEnabled[1] = true;
    for (int level = 1; level <= n; ++level)
        if (practice(level)) out.startEnabled[level] = true;

    const bool teacher = in.studentName == QStringLiteral("先生");
    bool blocked = false;
    // The walk only opens levels up to levelCount, so the last level decides nothing.
    for (int level = 1; level < n; ++level) {
        const int next = level + 1;
        const bool open = course::hasNoClearTarget(targets[next].clearPoints) || teacher ||
                          levelCleared(targets[level], figures[level]) ||
                          (!blocked && practice(level));
        if (!open) {
            blocked = true;
            continue;
        }
        out.startEnabled[next] = true;
        out.markerVisible[next] = false;
        const bool keepMarker =
            !out.goalCleared && !practice(level) && enoughPractice(targets[level], figures[level]);
        if (!keepMarker) out.markerVisible[level] = false;
    }
    return out;
}
