#include "course/levels.h"

#include <algorithm>

#include "state/course.h"

namespace course {

namespace {

Level stepLevel(int step, const char16_t* name, const char16_t* explanation) {
    return {QString::fromUtf16(name), step, false, true, QString::fromUtf16(explanation)};
}

Level rangeLevel(const char16_t* name, bool practice) {
    return {QString::fromUtf16(name), 1, practice, true, QString()};
}

const std::array<Level, kNamedLevels + 1>& table() {
    static const std::array<Level, kNamedLevels + 1> levels = {
        Level{},
        stepLevel(1, u"１ずつ増加", u"レベル1＝１ずつ増えています"),
        stepLevel(2, u"１～２ずつ増加", u"レベル2＝１～２ずつ増えています"),
        stepLevel(3, u"１～３ずつ増加", u"レベル3＝１～３ずつ増えています"),
        stepLevel(4, u"１～４ずつ増加", u"レベル4＝１～４ずつ増えています"),
        rangeLevel(u"範囲３練", true),
        rangeLevel(u"範囲３", false),
        rangeLevel(u"範囲４練", true),
        rangeLevel(u"範囲４", false),
        rangeLevel(u"範囲５練", true),
        rangeLevel(u"範囲５", false),
        rangeLevel(u"範囲６練", true),
        rangeLevel(u"範囲６", false),
        rangeLevel(u"範囲７練", true),
        rangeLevel(u"範囲７", false),
        rangeLevel(u"範囲８練", true),
        rangeLevel(u"範囲８", false),
        rangeLevel(u"範囲９練", true),
        rangeLevel(u"範囲９", false),
        rangeLevel(u"範囲１０練", true),
        rangeLevel(u"範囲１０", false),
    };
    return levels;
}

}  // namespace

const Level& level(int level) {
    const auto& levels = table();
    return level >= 1 && level <= kNamedLevels ? levels[level] : levels[0];
}

void fillLevelTables(state::Course& into) {
    into.levelCount = kCourseLevels;
    into.topLevel = kCourseLevels;
    for (int level = 1; level <= kNamedLevels; ++level) {
        const Level& row = table()[level];
        into.levelNames[level] = row.name;
        into.timedLevel[level] = row.timed ? 1 : 0;
        into.practice[level] = row.practice;
    }
}

bool isPractice(int level) {
    return level >= 1 && level <= kMaxLevel && state::course().practice[level];
}

void applyPracticeOverride(int levelCount, std::array<LevelTarget, kMaxLevel + 1>& targets) {
    for (int level = 1; level <= std::min(levelCount, kMaxLevel); ++level) {
        if (!course::level(level).practice) continue;
        targets[level].passTime = kPracticeSeconds;
        targets[level].secondTime = kPracticeSeconds;
    }
}

}  // namespace course
