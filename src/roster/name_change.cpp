#include "roster/name_change.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/ansi.h"
#include "platform/numeric.h"
#include "state/roster.h"

int nameChangeRowCount(int lineCount) {
    return std::min(lineCount, kHomeUseLimit);
}

bool parseBirthYear(const QString& text, qint16* year) {
    const double value = platform::leadingNumber(text);
    constexpr double kMin = std::numeric_limits<qint16>::min();
    constexpr double kMax = std::numeric_limits<qint16>::max();
    if (!std::isfinite(value) || value < kMin - 1 || value > kMax + 1) return false;
    const qint64 rounded = platform::roundHalfEven(value);
    if (rounded < kMin || rounded > kMax) return false;
    *year = static_cast<qint16>(rounded);
    return true;
}

QString applyNameChanges(std::vector<RosterLine>* lines, const std::vector<NameChangeRow>& rows) {
    std::vector<RosterLine> changed = *lines;
    const size_t count = std::min(rows.size(), changed.size());
    for (size_t i = 0; i < count; ++i) {
        const NameChangeRow& row = rows[i];
        const int rowNo = static_cast<int>(i) + 1;
        qint16 year = 0;
        if (!parseBirthYear(row.birthYearText, &year)) {
            return QStringLiteral(
                       "%1 行目の生まれた年「%2」は名簿に書けません。"
                       "-32768 から 32767 までの数にしてください。"
                       "名簿は変更していません。")
                .arg(rowNo)
                .arg(row.birthYearText.trimmed());
        }
        const QString name = trimSpaces(row.nameText).left(kRosterTextLength);
        const QString missing = platform::unencodableAnsi(name);
        if (!missing.isEmpty()) {
            return QStringLiteral(
                       "%1 行目の名前「%2」には名簿に書けない文字「%3」があります。"
                       "名簿は変更していません。")
                .arg(rowNo)
                .arg(name, missing);
        }
        RosterEntry& e = changed[i].entry;
        e.birthYear = year;
        e.studentName = platform::fixedLength(name, kRosterTextLength);
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
    writeRosterLines(path, lines);
    return {};
}
