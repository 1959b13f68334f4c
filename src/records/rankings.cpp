#include "records/rankings.h"

#include <algorithm>
#include <numeric>

#include "course/grades.h"
#include "course/run_times.h"
#include "records/line_pieces.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/roster.h"

namespace records {

namespace {

const QString kFullWidthBlank = QStringLiteral("　");

}  // namespace

qint64 pointsKey(qint32 allTimePoints, qint32 todayPoints, PointsOrder order) {
    const qint64 a = allTimePoints;
    const qint64 b = todayPoints;
    return order == PointsOrder::AllTime ? 1000000 - 1000 * a - b : 1000000 - 1000 * b - a;
}

std::vector<int> stableAscendingOrder(std::span<const qint64> keys) {
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int x, int y) { return keys[x] < keys[y]; });
    return order;
}

std::vector<RankingRow> buildRanking(const ResultsTables& stats, const RankingRequest& request) {
    const int level = std::clamp(request.level, 0, kMaxLevel);
    const bool times = request.kind == RankingKind::Times;

    std::vector<RankingRow> rows;
    rows.reserve(request.roster.size());
    for (qint16 s : request.roster) {
        if (s < 0 || s > kMaxStudent) continue;
        RankingRow row;
        row.studentNo = s;
        row.current = s == request.currentStudentNo;
        const size_t cell = static_cast<size_t>(ResultsTables::at(level, s));
        row.bestTime = stats.bestTimeOf(level, s);
        row.totalPoints = stats.totalPoints_[cell];
        row.todayPoints = stats.todayPoints_[cell];
        rows.push_back(row);
    }

    std::vector<qint64> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        keys[i] = times ? rows[i].bestTime
                        : pointsKey(rows[i].totalPoints, rows[i].todayPoints, request.pointsOrder);
    }
    const std::vector<int> order = stableAscendingOrder(keys);

    const bool byToday = request.pointsOrder == PointsOrder::Today;
    auto leading = [&](const RankingRow& row) -> qint64 {
        if (times) return row.bestTime;
        return byToday ? row.todayPoints : row.totalPoints;
    };

    std::vector<RankingRow> sorted;
    sorted.reserve(rows.size());
    for (size_t i = 0; i < order.size(); ++i) {
        RankingRow row = rows[static_cast<size_t>(order[i])];
        const int position = static_cast<int>(i) + 1;
        row.rank = i > 0 && leading(row) == leading(sorted.back()) ? sorted.back().rank : position;
        row.listed = !request.inGradeGroup || request.inGradeGroup(row.studentNo);
        if (!times && byToday && row.todayPoints == 0) row.listed = false;
        sorted.push_back(row);
    }
    return sorted;
}

QString rightAligned(const QString& text, int width) {
    return (QString(width, QLatin1Char(' ')) + text).right(width);
}

QString rank2(int rank) {
    QString text;
    pieces::appendRight(text, rank, 2);
    return text;
}

QString rankText3(const RankingRow& row) {
    if (row.bestTime == course::kNoRecord) return QStringLiteral("---");
    return rightAligned(QStringLiteral(" ") + QString::number(row.rank), 3);
}

QString name5r(const QString& name) {
    QString text;
    pieces::appendName(text, name, 5, false);
    return text;
}

QString mark(bool current, int gradeCode) {
    return current ? QStringLiteral("●") : gradeMarker(gradeCode);
}

QString mark2(bool current) {
    return current ? QStringLiteral("●") : kFullWidthBlank;
}

namespace {

const QString& current(bool isCurrent) {
    static const QString kCurrent = QStringLiteral("●");
    return isCurrent ? kCurrent : kFullWidthBlank;
}

}  // namespace

QString rankingLine(const RankingRow& row, RankingKind kind, const QString& name, int gradeCode) {
    using namespace pieces;
    QString line;
    line.reserve(24);
    const bool noRecord = kind == RankingKind::Times && row.bestTime == course::kNoRecord;
    if (noRecord)
        line.append(QLatin1String("--"));
    else
        appendRight(line, row.rank, 2);
    line.append(mark(row.current, gradeCode));
    appendName(line, name, 5, false);
    if (kind == RankingKind::Points) {
        appendRight(line, row.todayPoints, 3);
        line.append(QLatin1Char('/'));
        appendRight(line, row.totalPoints, 5);
        return line;
    }
    if (noRecord)
        line.append(QLatin1String("------"));
    else if (row.bestTime == course::kFailedBest)
        line.append(QStringLiteral("*失敗*"));
    else
        appendRight(line, row.bestTime, 6);
    line.append(QLatin1Char(' '));
    line.append(current(row.current));
    return line;
}

QStringList rankingLines(const std::vector<RankingRow>& rows, RankingKind kind,
                         const StudentLookup& students) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(rows.size()));
    for (const RankingRow& row : rows) {
        if (!row.listed) continue;
        lines.append(rankingLine(row, kind, students.name(row.studentNo),
                                 students.gradeCode(row.studentNo)));
    }
    return lines;
}

int gradeCodeOf(int studentNo) {
    if (studentNo < 0 || studentNo > kMaxStudent) return 0;
    const state::Roster& roster = state::roster();
    return gradeFor(roster.currentSchoolYear,
                    roster.studentBirthYears[static_cast<size_t>(studentNo)]);
}

StudentLookup sharedStudents() {
    return {[](int s) {
                return s >= 0 && s <= kMaxStudent
                           ? state::roster().studentNames[static_cast<size_t>(s)]
                           : QString();
            },
            gradeCodeOf};
}

std::span<const qint16> sharedRosterView() {
    const int count = std::clamp(state::roster().count, 0, kMaxStudent);
    return std::span<const qint16>(state::roster().lineStudentNo)
        .subspan(1, static_cast<size_t>(count));
}

std::function<bool(int)> gradeGroupPredicate(const QString& group) {
    return [group](int s) { return gradeInGroup(gradeCodeOf(s), group); };
}

}  // namespace records
