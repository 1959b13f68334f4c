#include "roster/name_change.h"

#include <QStringList>

#include "platform/ansi.h"
#include "platform/rewrite_failures.h"
#include "roster/birth_year.h"
#include "roster/entry_rules.h"
#include "roster/roster_text.h"

namespace {

QString rowName(size_t row) {
    return QStringLiteral("%1 行目").arg(row + 1);
}

}  // namespace

NameChangeSheet NameChangeSheet::read(const QString& path) {
    NameChangeSheet sheet;
    sheet.path_ = path;
    const RosterText roster = RosterText::read(path);
    for (size_t i = 0;
         i < roster.lines().size() && sheet.rows_.size() < static_cast<size_t>(kHomeUseLimit);
         ++i) {
        if (isActiveStatus(roster.lines()[i].status))
            sheet.rows_.push_back({i, roster.lineText(i), roster.lines()[i]});
    }
    return sheet;
}

std::vector<RosterLine> NameChangeSheet::rowLines() const {
    std::vector<RosterLine> lines;
    for (const Row& row : rows_) lines.push_back(row.line);
    return lines;
}

QString NameChangeSheet::save(const std::vector<NameChangeRow>& typed, int schoolYear) {
    RosterText roster = RosterText::read(path_);

    // Another program may have written the roster since the window was filled.
    QStringList moved;
    for (size_t i = 0; i < rows_.size(); ++i) {
        const Row& row = rows_[i];
        if (row.index >= roster.lines().size() || roster.lineText(row.index) != row.text) {
            moved << QStringLiteral("%1（%2）")
                         .arg(rowName(i), trimSpaces(row.line.entry.studentName));
        }
    }
    if (!moved.isEmpty()) {
        return QStringLiteral(
                   "%1の生徒の名簿の行が、この画面を開いた後で書きかえられたか、"
                   "なくなりました。\n名簿は変更していません。"
                   "「もどる」を押して、名前の変更の画面を開き直してください。")
            .arg(moved.join(QStringLiteral("、")));
    }

    QStringList refusals;
    for (size_t i = 0; i < rows_.size() && i < typed.size(); ++i) {
        const RosterEntry& before = rows_[i].line.entry;
        // A year left as the window showed it stays, whatever another program stored.
        const QString shownYear = QString::number(before.birthYear);
        const TypedBirthYear year = trimBlanks(typed[i].birthYearText) == shownYear
                                        ? TypedBirthYear{before.birthYear, {}}
                                        : readBirthYear(typed[i].birthYearText, schoolYear);
        const TypedName name = readName(typed[i].nameText);
        if (!year.problem.isEmpty()) refusals << rowName(i) + u'の' + year.problem;
        if (!name.problem.isEmpty()) refusals << rowName(i) + u'の' + name.problem;
        if (!refusals.isEmpty()) continue;
        RosterEntry entry = rows_[i].line.entry;
        entry.birthYear = year.year;
        entry.studentName = platform::fixedLength(name.name, kRosterTextLength);
        if (entry.birthYear != before.birthYear || entry.studentName != before.studentName)
            roster.setEntry(rows_[i].index, entry);
    }
    if (!refusals.isEmpty()) {
        refusals << QStringLiteral("名簿は変更していません。");
        return refusals.join(u'\n');
    }
    try {
        roster.save();
    } catch (const platform::RuntimeError& e) {
        return platform::rewriteFailureText(e);
    }
    for (Row& row : rows_) {
        row.text = roster.lineText(row.index);
        row.line = roster.lines()[row.index];
    }
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
