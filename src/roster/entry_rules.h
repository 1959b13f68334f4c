#pragma once

#include <QString>
#include <QtGlobal>

// What a teacher may type as a student's name, and what the roster then stores (birth
// years: roster/birth_year.h). A refusal is a problem text that reads on its own and after
// the row it belongs to ("2 行目の" + problem); nothing typed is ever changed without one.

// The text without half- and full-width blanks (and tabs) at both ends.
QString trimBlanks(const QString& text);

struct TypedName {
    QString name;  // as stored, without padding
    QString problem;
};

// A typed name: half- and full-width blanks are removed at both ends first; characters
// that input methods give in their JIS form (the wave dash 〜, ‖, −, —, ¢, £, ¬) become the
// code page's look-alikes. Refused, never cut: a name longer than 20 characters, and one
// holding `"` (the roster file cannot hold it), a control character or a character the
// code page lacks.
TypedName readName(const QString& typed);
