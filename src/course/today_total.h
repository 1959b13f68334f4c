#pragma once

#include <QtGlobal>
#include <algorithm>

#include "platform/numeric.h"
#include "state/course.h"

namespace course {

// The screens that show a total of the student's runs today.
enum class TodayTotal {
    HomeScreen,   // "本日総回数＝N回"
    DrillScreen,  // the run number of today, shown while drilling
    EndScreen,    // "（N回目)"
};

// The last level a screen's total of today's runs adds up (from level 1). The ranges are
// those of the family's Windows programs: the home screen adds the levels of the course,
// the drill screen the 15 levels its strip was made for, the end screen every level of the
// tables. Runs are recorded at the levels of the course only, and a course has no more
// than 15 levels, so all three agree; a log that other versions of the drill wrote at
// further levels is counted as those machines count it.
constexpr int todayTotalLastLevel(TodayTotal screen, int levelCount) {
    switch (screen) {
        case TodayTotal::HomeScreen:
            return std::min(levelCount, kMaxLevel);
        case TodayTotal::DrillScreen:
            return 15;
        case TodayTotal::EndScreen:
            return kMaxLevel;
    }
    return 0;
}

// Today's completed runs of a student as a screen shows them: the counts of levels 1 to
// todayTotalLastLevel added up, as a whole number (an exact half goes to the even
// neighbour, as the Windows programs convert). countAt(level) gives the count of a level.
template <class CountAt>
qint64 todayTotal(TodayTotal screen, int levelCount, CountAt countAt) {
    double sum = 0;
    const int lastLevel = todayTotalLastLevel(screen, levelCount);
    for (int level = 1; level <= lastLevel; ++level) sum += countAt(level);
    return platform::roundHalfEven(sum);
}

}  // namespace course
