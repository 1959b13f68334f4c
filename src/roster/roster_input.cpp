#include "roster/roster_input.h"

#include "roster/entry_rules.h"

QString storedRosterName(const QString& typed) {
    return readName(typed).name;
}

QString rosterNameProblem(const QString& typed) {
    const TypedName name = readName(typed);
    if (!name.problem.isEmpty()) return name.problem;
    if (name.name.isEmpty()) return QStringLiteral("名前が空です");
    return {};
}
