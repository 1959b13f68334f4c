#include "roster/entry_rules.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "platform/ansi.h"
#include "platform/numeric.h"
#include "roster/roster.h"

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

QString trimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text[start])) ++start;
    while (end > start && isBlank(text[end - 1])) --end;
    return text.mid(start, end - start);
}

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

// Characters input methods give in their JIS form, and the look-alikes the code page holds.
constexpr struct {
    char16_t typed;
    char16_t stored;
} kLookAlikes[] = {
    {u'〜', u'～'},  // U+301C wave dash
    {u'‖', u'∥'},    // U+2016
    {u'−', u'－'},   // U+2212 minus sign
    {u'—', u'―'},    // U+2014 em dash
    {u'¢', u'￠'},  {u'£', u'￡'}, {u'¬', u'￢'},
};

}  // namespace

TypedBirthYear readBirthYear(const QString& typed) {
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
    constexpr double kMin = std::numeric_limits<qint16>::min();
    constexpr double kMax = std::numeric_limits<qint16>::max();
    const qint64 rounded = std::isfinite(value) && value > kMin - 1 && value < kMax + 1
                               ? platform::roundHalfEven(value)
                               : kMax + 1;
    if (rounded < kMin || rounded > kMax) {
        return {0, QStringLiteral("生まれた年「%1」は名簿に書けません。"
                                  "-32768 から 32767 までの数にしてください。")
                       .arg(shown)};
    }
    return {static_cast<qint16>(rounded), {}};
}

TypedName readName(const QString& typed) {
    QString name = trimBlanks(typed);
    for (QChar& c : name) {
        for (const auto& alike : kLookAlikes)
            if (c == alike.typed) c = alike.stored;
    }
    if (name.size() > kRosterTextLength) {
        return {{},
                QStringLiteral("名前「%1」は %2 文字あります。%3 文字までにしてください。")
                    .arg(trimBlanks(typed), QString::number(name.size()),
                         QString::number(kRosterTextLength))};
    }
    QString refused;
    for (const QChar c : name) {
        if (c == u'"' && !refused.contains(c)) refused += c;
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            refused += QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    refused += platform::unencodableAnsi(QString(name).remove(u'"'));
    if (!refused.isEmpty()) {
        return {{},
                QStringLiteral("名前「%1」には名簿に書けない文字「%2」があります。")
                    .arg(trimBlanks(typed), refused)};
    }
    return {name, {}};
}
