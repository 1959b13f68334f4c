#pragma once

#include <QString>
#include <functional>

#include "app/hensuu1.h"

// The roster "生徒用名簿.txt" in the base folder.

// currentSchoolYear for a date and the start month of the school year.
int schoolYearFor(int year, int month, int startMonth);

// Display label of an overall grade ("幼-", "幼1".."幼3", "小1".."小6", "中1".."中3",
// "高1".."高3", "大+") and the full-width label ("幼３", "小１".."高１", empty when not set).
QString displayGradeLabel(int grade);
QString fullWidthGradeLabel(int grade);

// Loads the roster into hensuu1 (currentSchoolYear, rosterEntries, per-student tables,
// rosterCount) and calls `active` for every active entry with its display label, in file
// order. Ends the program with the home-use message when the limit is exceeded.
void loadRoster(const std::function<void(const RosterEntry&, const QString&)>& active = {});

// Gives "生徒用名簿temp.txt" the roster's name when the roster cannot be opened.
void recoverRoster();

// Rewrites the roster with the given entries (1..count), in the file format.
void writeRoster(const QString& path, const std::vector<RosterEntry>& entries, int count);
