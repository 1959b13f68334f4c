#include "roster/name_change.h"

#include <QStringList>
#include <algorithm>

#include "platform/ansi.h"
#include "platform/numeric.h"
#include "platform/rewrite_failures.h"
#include "roster/entry_rules.h"
#include "state/roster.h"

int nameChangeRowCount(int lineCount) {
    return std::min(lineCount, kHomeUseLimit);
}

QString applyNameChanges(std::vector<RosterLine>* lines, const std::vector<NameChangeRow>& rows) {
    std::vector<RosterLine> changed = *lines;
    const size_t count = std::min(rows.size(), changed.size());
    QStringList refusals;
    for (size_t i = 0; i < count; ++i) {
        const QString row = QStringLiteral("%1 行目の").arg(i + 1);
        const TypedBirthYear year = readBirthYear(rows[i].birthYearText);
        const TypedName name = readName(rows[i].nameText);
        if (!year.problem.isEmpty()) refusals << row + year.problem;
        if (!name.problem.isEmpty()) refusals << row + name.problem;
        RosterEntry& e = changed[i].entry;
        e.birthYear = year.year;
        e.studentName = platform::fixedLength(name.name, kRosterTextLength);
    }
    if (!refusals.isEmpty()) {
        refusals << QStringLiteral("名簿は変更していません。");
        return refusals.join(u'\n');
    }
    *lines = std::move(changed);
    return {};
}

void writeRosterLines(const QString& path, const std::vector<RosterLine>& lines) {
    std::vector<RosterEntry> entries(lines.size() + 1);
    std::vector<double> statuses(lines.size() + 1);
    for (size_t i = 0; i < lines.size(); ++i) {
        entries[i + 1] = lines[i].entry;
        statuses[i + 1] = lines[i].status;
    }
    writeRoster(path, entries, statuses, static_cast<int>(lines.size()));
}

QString changeNames(const std::vector<NameChangeRow>& rows) {
    const QString path = rosterPath();
    std::vector<RosterLine> lines = readRosterFile(path);
    const QString refusal = applyNameChanges(&lines, rows);
    if (!refusal.isEmpty()) return refusal;
    try {
        writeRosterLines(path, lines);
    } catch (const platform::RuntimeError& e) {
        return platform::rewriteFailureText(e);
    }
    return {};
}
