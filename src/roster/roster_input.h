#pragma once

#include <QString>

// What the set-up command takes for a new roster line. The name follows the typing rules
// of every roster edit (roster/entry_rules.h); a new line also needs a name, and a birth
// year within a hundred school years.

// The name as it is stored (see readName).
QString storedRosterName(const QString& typed);

// Why a typed name cannot go into a new roster line, or an empty text when it can: the
// typing rules' refusal, or an empty name.
QString rosterNameProblem(const QString& typed);

// Why a birth year cannot go into the roster in the given school year, or an empty text:
// it must lie from schoolYear - 100 to schoolYear.
QString birthYearProblem(int birthYear, int schoolYear);

// Both checks: the first refusal text, or an empty text when the line can be stored.
QString rosterInputProblem(const QString& typedName, int birthYear, int schoolYear);
