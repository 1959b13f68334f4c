#pragma once

#include <QString>
#include <vector>

#include "roster/roster.h"

// The home-use editing of the roster: one row per roster line, each with a birth year
// and a name.

// The texts of one row's birth-year and name boxes.
struct NameChangeRow {
    QString birthYearText;
    QString nameText;
};

// How many rows the window shows for a roster of `lineCount` lines.
int nameChangeRowCount(int lineCount);

// Puts the rows into the first lines (name and birth year as the typing rules of
// roster/entry_rules.h store them); every other value of every line stays as it was.
// Returns an empty text, or, when any row cannot be stored, one message naming every
// refused row; the lines are then left untouched.
QString applyNameChanges(std::vector<RosterLine>* lines, const std::vector<NameChangeRow>& rows);

// Rewrites the whole roster from the lines, in their order.
void writeRosterLines(const QString& path, const std::vector<RosterLine>& lines);

// The window's "変更": reads the roster again, applies the rows and replaces the file.
// Returns an empty text, or the refusal message (nothing is written then).
QString changeNames(const std::vector<NameChangeRow>& rows);
