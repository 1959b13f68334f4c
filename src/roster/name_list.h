#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "state/roster.h"

// The rows of the name list of the name selection.

// Figures of one student, summed over the levels.
struct StudentFigures {
    double todayCount = 0;
    double todayPoints = 0;
    double attempts = 0;
    double totalPoints = 0;
};

// The four figure texts.
QString todayCountText(double count);    // "  3回", zero: five spaces
QString todayPointsText(double points);  // right-aligned in 4, zero: two spaces and "　"
QString attemptsText(double count);      // right-aligned in 5 then "回", zero: 5 spaces and "　"
QString totalPointsText(double points);  // right-aligned in 7, zero: seven spaces

// The first and second figure of a display mode (0..3), joined by "/".
QString figuresText(int displayMode, const StudentFigures& figures);

// The sort row: birth year in four digits, display label, space, trimmed name, full-width
// padding, the figures, "*" and the student number.
QString sortRow(const RosterEntry& entry, int grade, int displayMode,
                const StudentFigures& figures);

// Puts sort rows in the order of the hidden sorted list: by their text in the ANSI code
// page, so birth year first (oldest first), then label and name.
void sortRows(std::vector<QString>& rows);

// Birth year of a sort row (its first four characters).
int sortRowBirthYear(const QString& row);
// Display text of a sort row: from its fifth character up to the "*" before the number.
QString displayText(const QString& row);
// Text of the hidden list: the display text, "*" and the student number.
QString numberedText(const QString& row);
// Student number text after the "*" of a row of the hidden list.
QString numberAfterStar(const QString& text);

// Text of the selection label after a click and after a double click on a row.
QString clickSelectionText(const QString& row);
QString doubleClickSelectionText(const QString& row);
