#pragma once

#include <QString>
#include <QtGlobal>

// What a teacher may type as a student's birth year and name, and what the roster then
// stores. A refusal is a problem text that reads on its own and after the row it belongs
// to ("2 行目の" + problem); nothing typed is ever changed without one.

struct TypedBirthYear {
    qint16 year = 0;
    QString problem;  // empty when the text can be stored
};

// A typed birth year: a number in half- or full-width digits, with a sign or a decimal
// part (rounded to the nearest whole year, an exact half to the even neighbour), with
// half- or full-width blanks around it and "年" after it. Refused: a text that does not
// start with a number, other text after it, and a year outside -32768..32767.
TypedBirthYear readBirthYear(const QString& typed);

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
