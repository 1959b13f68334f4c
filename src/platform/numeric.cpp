#include "platform/numeric.h"

#include <cmath>
#include <limits>

namespace platform {

namespace {

// A whole double as a 64-bit integer: beyond the range the nearest end, NaN as 0 (a
// value read from a file may be anything).
qint64 toInt64(double whole) {
    if (std::isnan(whole)) return 0;
    if (whole >= 9223372036854775808.0) return std::numeric_limits<qint64>::max();
    if (whole < -9223372036854775808.0) return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(whole);
}

}  // namespace

qint64 vbInt(double value) {
    return toInt64(std::floor(value));
}

qint64 roundHalfEven(double value) {
    return toInt64(std::nearbyint(value));
}

namespace {

// Length of the number at the start of text (after blanks), 0 when none; *start gets
// the position of its first character.
qsizetype scanNumber(const QString& text, qsizetype* start) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\u3000')) ++i;
    *start = i;
    qsizetype j = i;
    if (j < n && (text[j] == u'+' || text[j] == u'-')) ++j;
    qsizetype digits = 0;
    while (j < n && text[j].isDigit() && text[j].unicode() < 128) ++j, ++digits;
    if (j < n && text[j] == u'.') {
        qsizetype k = j + 1;
        qsizetype frac = 0;
        while (k < n && text[k].isDigit() && text[k].unicode() < 128) ++k, ++frac;
        if (frac > 0 || digits > 0) {
            digits += frac;
            j = k;
        }
    }
    if (digits == 0) return 0;
    if (j < n && (text[j] == u'E' || text[j] == u'e')) {
        qsizetype k = j + 1;
        if (k < n && (text[k] == u'+' || text[k] == u'-')) ++k;
        qsizetype expDigits = 0;
        while (k < n && text[k].isDigit() && text[k].unicode() < 128) ++k, ++expDigits;
        if (expDigits > 0) j = k;
    }
    return j - i;
}

}  // namespace

double leadingNumber(const QString& text) {
    qsizetype start = 0;
    const qsizetype len = scanNumber(text, &start);
    if (len == 0) return 0.0;
    bool ok = false;
    const double v = text.mid(start, len).toDouble(&ok);
    return ok ? v : 0.0;
}

bool startsWithNumber(const QString& text) {
    qsizetype start = 0;
    return scanNumber(text, &start) > 0;
}

QString numberText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

}  // namespace platform
