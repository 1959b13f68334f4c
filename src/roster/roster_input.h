#pragma once

#include <QString>

// What a roster line may hold when a person types it: a name and a birth year. Every tool
// that adds or edits roster lines checks its input here before anything is written.

// The name as it is stored: half- and full-width blanks trimmed at both ends, and the
// wave dash U+301C (what input methods on other systems type for "～") taken as the
// CP932 wave dash, so that it can be stored.
QString storedRosterName(const QString& typed);

// Why a typed name cannot go into the roster, or an empty text when it can: empty or
// longer than 20 characters once trimmed, holding a double quote, or holding a character
// CP932 cannot store.
QString rosterNameProblem(const QString& typed);

// Why a birth year cannot go into the roster in the given school year, or an empty text:
// it must lie from schoolYear - 100 to schoolYear.
QString birthYearProblem(int birthYear, int schoolYear);

// Both checks: the first refusal text, or an empty text when the line can be stored.
QString rosterInputProblem(const QString& typedName, int birthYear, int schoolYear);
