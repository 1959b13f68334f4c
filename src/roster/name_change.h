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

// The birth year a row's text stands for: its leading number (0 when there is none),
// rounded to the nearest whole number (halves to the even neighbour). False when that
// lies outside what the roster can store.
bool parseBirthYear(const QString& text, qint16* year);

// Puts the rows into the first lines (trimmed name, birth year); every other value of
// every line stays as it was. Returns an empty text, or, when a row cannot be stored,
// the message naming the row; the lines are then left untouched.
QString applyNameChanges(std::vector<RosterLine>* lines, const std::vector<NameChangeRow>& rows);

// Rewrites the whole roster from the lines, in their order.
void writeRosterLines(const QString& path, const std::vector<RosterLine>& lines);

// The window's "変更": reads the roster again, applies the rows and replaces the file.
// Returns an empty text, or the refusal message (nothing is written then).
QString changeNames(const std::vector<NameChangeRow>& rows);
