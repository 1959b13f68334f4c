#include "roster/birth_year.h"

#include <QRegularExpression>
#include <cmath>

#include "platform/numeric.h"
#include "roster/entry_rules.h"

namespace {

// Full-width digits, signs and the decimal point as their half-width forms.
QString halfWidthNumber(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            c = QChar(u'0' + (u - u'０'));
        else if (u == u'＋')
            c = u'+';
        else if (u == u'－' || u == u'−')
            c = u'-';
        else if (u == u'．')
            c = u'.';
    }
    return out;
}

}  // namespace

TypedBirthYear readBirthYear(const QString& typed, int schoolYear) {
    static const QRegularExpression kYear(QStringLiteral(
        "^([+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)[ \\t\\x{3000}]*年?$"));
    const QString shown = trimBlanks(typed);
    if (shown.isEmpty()) return {0, QStringLiteral("生まれた年が入っていません。")};
    const QRegularExpressionMatch match = kYear.match(trimBlanks(halfWidthNumber(shown)));
    if (!match.hasMatch()) {
        return {0, QStringLiteral("生まれた年「%1」は数として読めません。"
                                  "西暦の年を数字で入れてください（例: 2015）。")
                       .arg(shown)};
    }
    const double value = platform::leadingNumber(match.captured(1));
    const int oldest = schoolYear - kBirthYearSpan;
    // Far-off values are refused before rounding, so that no value overflows it.
    const bool near = std::isfinite(value) && value > oldest - 1 && value < schoolYear + 1;
    const qint64 year = near ? platform::roundHalfEven(value) : 0;
    if (!near || year < oldest || year > schoolYear) {
        return {0, QStringLiteral("生まれた年 %1 は %2 から %3 までにしてください。")
                       .arg(shown)
                       .arg(oldest)
                       .arg(schoolYear)};
    }
    return {static_cast<qint16>(year), {}};
}
