#pragma once

#include <QString>

// What the set-up command takes for a new roster line. The name follows the typing rules
// of every roster edit (roster/entry_rules.h) and must not be empty; the birth year follows
// roster/birth_year.h.

// The name as it is stored (see readName).
QString storedRosterName(const QString& typed);

// Why a typed name cannot go into a new roster line, or an empty text when it can: the
// typing rules' refusal, or an empty name.
QString rosterNameProblem(const QString& typed);
