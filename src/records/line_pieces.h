#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <algorithm>

// Appending the pieces of a list line to one string, without temporaries: the lists are
// tens of thousands of lines.
namespace records::pieces {

inline const QChar kFullWidthBlank = QChar(0x3000);

// The value in decimal followed by the suffix, right-aligned in `width` characters: the
// last `width` characters of `width` blanks + the text (width 0: the text as it is).
inline void appendRight(QString& out, qint64 value, int width, QStringView suffix = {}) {
    char16_t digits[24];
    int n = 0;
    const bool negative = value < 0;
    quint64 v = negative ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    do {
        digits[23 - n++] = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negative) digits[23 - n++] = u'-';
    const int length = n + static_cast<int>(suffix.size());
    if (width <= 0) width = length;
    if (length < width) out.append(QString(width - length, QLatin1Char(' ')));
    const int skip = length > width ? length - width : 0;  // cut from the left
    if (skip < n) out.append(QStringView(digits + 24 - n + skip, n - skip));
    out.append(suffix.mid(skip > n ? skip - n : 0));
}

// The name (half-width blanks removed at the end, and at the start when `trimStart`),
// padded with full-width blanks and cut to `width` characters.
inline void appendName(QString& out, QStringView name, int width, bool trimStart) {
    qsizetype end = name.size();
    while (end > 0 && name[end - 1] == u' ') --end;
    qsizetype start = 0;
    if (trimStart)
        while (start < end && name[start] == u' ') ++start;
    const qsizetype take = std::min<qsizetype>(end - start, width);
    out.append(name.mid(start, take));
    for (qsizetype i = take; i < width; ++i) out.append(kFullWidthBlank);
}

}  // namespace records::pieces
