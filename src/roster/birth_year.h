#pragma once

#include <QString>
#include <QtGlobal>

// The birth year of a roster line, wherever it is typed (the name change window, the set-up
// command): one rule, since every screen's grade comes from it.

// The roster takes birth years from this many school years back up to the current one.
constexpr int kBirthYearSpan = 100;

struct TypedBirthYear {
    qint16 year = 0;
    QString problem;  // empty when the year can be stored
};

// A typed birth year in a school year: a number in half- or full-width digits, with a sign
// or a decimal part (rounded to the nearest whole year, an exact half to the even
// neighbour), with half- or full-width blanks around it and "年" after it, from
// schoolYear - 100 to schoolYear. Refused with a problem text that reads on its own and
// after the row or option it belongs to ("2 行目の" + problem): an empty text, a text that
// does not start with a number, other text after it, and a year outside that span.
TypedBirthYear readBirthYear(const QString& typed, int schoolYear);
