#include "home/level_locks.h"

#include <algorithm>

#include "results/statistics.h"

namespace {

bool validLevel(int level) {
    return level >= 1 && level <= kMaxLevel;
}
bool validStudent(int student) {
    return student >= 0 && student <= kMaxStudent;
}

bool practice(const std::array<QString, kMaxLevel + 1>& names, int level) {
    return validLevel(level) && names[level].contains(QStringLiteral("練"));
}

}  // namespace

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' ')) ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' ')) --end;
    return text.mid(begin, end - begin);
}

bool levelCleared(const LevelTarget& target, const ResultsTables& stats, int level, int student) {
    if (!validLevel(level) || !validStudent(student)) return false;
    const int i = ResultsTables::at(level, student);
    return stats.clearWindowPoints_[i] >= target.clearPoints &&
           stats.clearWindowCount_[i] >= target.clearCount;
}

bool enoughPractice(const LevelTarget& target, const ResultsTables& stats, int level, int student) {
    if (!validLevel(level) || !validStudent(student)) return false;
    const int i = ResultsTables::at(level, student);
    return (target.freeCount != 0 && stats.freeWindowCount_[i] >= target.freeCount) ||
           (target.freePoints != 0 && stats.freeWindowPoints_[i] >= target.freePoints);
}

LevelLocks computeLevelLocks(const LevelLockInput& in) {
    LevelLocks out;
    const int n = std::clamp(in.levelCount, 0, kMaxLevel);
    out.startEnabled.assign(n + 1, false);
    out.markerVisible.assign(n + 1, true);
    out.markerVisible[0] = false;
    if (!in.levelNames || !in.targets || !in.stats) return out;
    const auto& names = *in.levelNames;
    const auto& targets = *in.targets;
    const auto& stats = *in.stats;
    const int s = in.studentNo;

    if (validLevel(in.topLevel))
        out.goalCleared = levelCleared(targets[in.topLevel], stats, in.topLevel, s);

    if (n >= 1) out.startEnabled[1] = true;
    for (int level = 1; level <= n; ++level)
        if (practice(names, level)) out.startEnabled[level] = true;

    const bool teacher = in.studentName == QStringLiteral("先生");
    bool blocked = false;
    // The walk only opens levels up to levelCount, so the last level decides nothing.
    for (int level = 1; level < n; ++level) {
        const int next = level + 1;
        const bool open = targets[next].clearPoints == 9999 || teacher ||
                          levelCleared(targets[level], stats, level, s) ||
                          (!blocked && practice(names, level));
        if (!open) {
            blocked = true;
            continue;
        }
        out.startEnabled[next] = true;
        out.markerVisible[next] = false;
        const bool keepMarker = !out.goalCleared && !practice(names, level) &&
                                enoughPractice(targets[level], stats, level, s);
        if (!keepMarker) out.markerVisible[level] = false;
    }
    return out;
}

LevelLockInput levelLockInputFromSharedState(const ResultsTables& stats) {
    LevelLockInput in;
    in.levelCount = shared.levelCount;
    in.topLevel = static_cast<int>(shared.topLevel);
    in.levelNames = &shared.levelNames;
    in.targets = &shared.levelTargets;
    in.stats = &stats;
    in.studentNo = shared.currentStudentNo;
    in.studentName = trimBlanks(shared.currentStudentName);
    return in;
}
