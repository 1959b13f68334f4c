#include "roster/roster_input.h"

#include "roster/entry_rules.h"

namespace {

constexpr int kOldestBirthYearSpan = 100;

}  // namespace

QString storedRosterName(const QString& typed) {
    return readName(typed).name;
}

QString rosterNameProblem(const QString& typed) {
    const TypedName name = readName(typed);
    if (!name.problem.isEmpty()) return name.problem;
    if (name.name.isEmpty()) return QStringLiteral("名前が空です");
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
