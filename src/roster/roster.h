#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "state/roster.h"

// The roster "生徒用名簿.txt" in the base folder.

// Length of the name and of the two spare texts, in characters.
constexpr int kRosterTextLength = 20;
// The home-use roster holds at most this many active lines.
constexpr int kHomeUseLimit = 4;

// currentSchoolYear from today's date and state::settings().schoolYearStartMonth.
int schoolYearToday();

// Overall grade of a birth year in state::roster().currentSchoolYear (1 = first primary year).
int gradeOf(int birthYear);

// The text with half-width spaces removed at both ends (full-width spaces are kept).
QString trimSpaces(const QString& text);

// baseFolder + "生徒用名簿.txt" and the left-behind copy "生徒用名簿temp.txt".
QString rosterPath();
QString rosterTempPath();

// One line of the roster file with its status, as read.
struct RosterLine {
    RosterEntry entry;  // texts padded or cut to 20 characters
    double status = 0;
    int lineNumber = 0;  // 1-based line of the file
};

// Reads every line of a roster file (blank lines are passed over). A missing file
// raises error 53; a malformed line or a student number outside 0..5000 raises a
// run-time error naming the file and the line.
std::vector<RosterLine> readRosterFile(const QString& path);

// Whether a status counts as active (0, or 2 while status2Active is 1).
bool isActiveStatus(double status);

// Stores what a roster line says of its student (0..5000) in the roster state: the
// trimmed name, the birth year and the full-width grade label of the current school year
// (empty for a grade without one).
void storeStudent(const RosterEntry& entry);

// Loads the roster into the roster state (currentSchoolYear, entries, per-student tables,
// count) and calls `active` for every active entry with its display label, in file
// order. When the home-use limit is exceeded it shows "家庭用は3人までしか登録できません",
// ends the program and returns false; nothing after the offending line is loaded.
bool loadRoster(const std::function<void(const RosterEntry&, const QString&)>& active = {});

// Gives "生徒用名簿temp.txt" the roster's name when the roster cannot be opened. When
// neither can be found, raises error 53 naming the roster.
void recoverRoster();

// The bytes of a roster file for lines 1..count of entries and statuses (index 0 unused):
// numbers plain, texts quoted and padded to 20 characters, CR LF, CP932.
QByteArray rosterBytes(const std::vector<RosterEntry>& entries, const std::vector<double>& statuses,
                       int count);

// Rewrites the roster with lines 1..count. The file is replaced as a whole, through
// "生徒用名簿temp.txt" in its folder: a process stopped at any moment leaves the old or
// the new roster, and a failure leaves the old one and raises a run-time error naming it.
void writeRoster(const QString& path, const std::vector<RosterEntry>& entries,
                 const std::vector<double>& statuses, int count);
