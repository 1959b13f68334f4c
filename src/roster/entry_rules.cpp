#include "roster/entry_rules.h"

#include "platform/ansi.h"
#include "roster/roster.h"

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
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

QString trimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text[start])) ++start;
    while (end > start && isBlank(text[end - 1])) --end;
    return text.mid(start, end - start);
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
