#include "roster/roster_input.h"

#include "platform/ansi.h"
#include "roster/roster.h"

namespace {

constexpr int kOldestBirthYearSpan = 100;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\u3000';
}

}  // namespace

QString storedRosterName(const QString& typed) {
    qsizetype start = 0;
    qsizetype end = typed.size();
    while (start < end && isBlank(typed[start])) ++start;
    while (end > start && isBlank(typed[end - 1])) --end;
    QString name = typed.mid(start, end - start);
    name.replace(u'\u301C', u'\uFF5E');
    return name;
}

QString rosterNameProblem(const QString& typed) {
    const QString name = storedRosterName(typed);
    if (name.isEmpty()) return QStringLiteral("名前が空です");
    if (name.size() > kRosterTextLength) {
        return QStringLiteral("名前「%1」は %2 文字あります。%3 文字までにしてください")
            .arg(name)
            .arg(name.size())
            .arg(kRosterTextLength);
    }
    if (name.contains(u'"')) return QStringLiteral("名前「%1」に「\"」は使えません").arg(name);
    const QString missing = platform::unencodableAnsi(name);
    if (!missing.isEmpty())
        return QStringLiteral("名前「%1」には名簿に書けない文字「%2」があります")
            .arg(name, missing);
    return {};
}

QString birthYearProblem(int birthYear, int schoolYear) {
    const int oldest = schoolYear - kOldestBirthYearSpan;
    if (birthYear < oldest || birthYear > schoolYear) {
        return QStringLiteral("生まれた年 %1 は %2 から %3 までにしてください")
            .arg(birthYear)
            .arg(oldest)
            .arg(schoolYear);
    }
    return {};
}

QString rosterInputProblem(const QString& typedName, int birthYear, int schoolYear) {
    const QString name = rosterNameProblem(typedName);
    return name.isEmpty() ? birthYearProblem(birthYear, schoolYear) : name;
}
