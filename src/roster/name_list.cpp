#include "roster/name_list.h"

#include <algorithm>
#include <utility>

#include "course/grades.h"
#include "platform/ansi.h"
#include "platform/numeric.h"
#include "roster/roster.h"
#include "state/roster.h"

namespace {

const QString kFullSpace = QStringLiteral("　");

QString number(double v) {
    return platform::numberText(v);
}

}  // namespace

QString todayCountText(double count) {
    if (count == 0) return QString(5, u' ');
    return (QStringLiteral("  ") + number(count)).right(3) + QStringLiteral("回");
}

QString todayPointsText(double points) {
    if (points == 0) return QStringLiteral("  ") + kFullSpace;
    return number(points).rightJustified(4, u' ');
}

QString attemptsText(double count) {
    if (count == 0) return QString(5, u' ') + kFullSpace;
    return number(count).rightJustified(5, u' ') + QStringLiteral("回");
}

QString totalPointsText(double points) {
    if (points == 0) return QString(7, u' ');
    return number(points).rightJustified(7, u' ');
}

QString figuresText(int displayMode, const StudentFigures& f) {
    switch (displayMode) {
        case 0:
            return todayCountText(f.todayCount) + u'/' + attemptsText(f.attempts);
        case 2:
            return todayPointsText(f.todayPoints) + u'/' + todayCountText(f.todayCount);
        case 3:
            return totalPointsText(f.totalPoints) + u'/' + attemptsText(f.attempts);
        default:
            return todayPointsText(f.todayPoints) + u'/' + totalPointsText(f.totalPoints);
    }
}

QString sortRow(const RosterEntry& entry, int grade, int displayMode,
                const StudentFigures& figures) {
    const QString labelAndName = displayGradeLabel(grade) + u' ' + trimSpaces(entry.studentName);
    // Pre-school labels are narrower on screen; in every mode but the points mode they
    // get two more full-width spaces.
    const int width = (grade <= 0 && displayMode != 1) ? 11 : 9;
    const qsizetype pad = width - labelAndName.size();
    QString row = QStringLiteral("%1").arg(entry.birthYear, 4, 10, QLatin1Char('0'));
    row += labelAndName;
    if (pad > 0) row += kFullSpace.repeated(pad);
    row += figuresText(displayMode, figures);
    row += u'*' + QString::number(entry.studentNo);
    return row;
}

void sortRows(std::vector<QString>& rows) {
    std::vector<std::pair<QByteArray, QString>> keyed;
    keyed.reserve(rows.size());
    for (QString& row : rows) keyed.emplace_back(platform::toAnsi(row), std::move(row));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < rows.size(); ++i) rows[i] = std::move(keyed[i].second);
}

int sortRowBirthYear(const QString& row) {
    return static_cast<int>(platform::leadingNumber(row.left(4)));
}

QString displayText(const QString& row) {
    const qsizetype star = row.lastIndexOf(u'*');
    return star < 4 ? row.mid(4) : row.mid(4, star - 4);
}

QString numberedText(const QString& row) {
    return row.mid(4);
}

QString numberAfterStar(const QString& text) {
    const qsizetype star = text.lastIndexOf(u'*');
    return star < 0 ? QString() : text.mid(star + 1);
}

QString clickSelectionText(const QString& row) {
    return trimSpaces(trimSpaces(row).left(10));
}

QString doubleClickSelectionText(const QString& row) {
    const qsizetype slash = row.lastIndexOf(u'/');
    return trimSpaces(slash < 0 ? row : row.left(slash));
}
