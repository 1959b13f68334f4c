#pragma once

#include <QString>
#include <QtGlobal>

namespace platform {

// Integer part toward minus infinity (Int of the Windows programs).
qint64 vbInt(double value);

// Rounds to the nearest whole number; an exact half goes to the even neighbour.
qint64 roundHalfEven(double value);

// The number a text starts with (blanks skipped first), 0 when it starts with none.
double leadingNumber(const QString& text);

// True when the text, blanks skipped, starts with a number.
bool startsWithNumber(const QString& text);

// A number as plain decimal text without leading blanks ("5", "1.5", "-3").
QString numberText(double value);

}  // namespace platform
