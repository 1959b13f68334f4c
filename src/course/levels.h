#pragma once

#include <QString>
#include <array>

#include "course/run_times.h"
#include "state/course.h"

// The levels of the drill: one table of every named level and the rules read from it.
namespace course {

// The course a student works through: levels 1..4. Levels 5..20 are named and flagged as
// on the Windows machines of the family, but lie beyond the course.
constexpr int kCourseLevels = 4;
constexpr int kNamedLevels = 20;

struct Level {
    QString name;     // as stored in the results and shown on the screens
    int maxStep = 1;  // the cards grow by 1..maxStep; 1 draws no step
    bool practice = false;
    bool timed = false;   // timedLevel: the clear-window figures are shown
    QString explanation;  // the drill screen's explanation label; empty: left as it is
};

// The level's row of the table; an empty row (not timed, no name) outside 1..20.
const Level& level(int level);

// Fills the course state's level tables from the table: levelCount and topLevel (the
// course), and the name, timed and practice flags of every named level.
void fillLevelTables(state::Course& into);

// Whether a level of the course state is a practice level: its runs are not recorded,
// have no run numbers, ranking or figures, and run against kPracticeSeconds.
bool isPractice(int level);

// The targets of the table's practice levels among 1..levelCount run against
// kPracticeSeconds: their passTime and secondTime become 600. The targets loader applies
// it to the course.
void applyPracticeOverride(int levelCount, std::array<LevelTarget, kMaxLevel + 1>& targets);

}  // namespace course
