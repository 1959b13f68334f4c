#include "records/rankings.h"

#include <algorithm>
#include <numeric>

#include "app/settings.h"
#include "app/shared_state.h"
#include "results/statistics.h"

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
        row.bestTime = stats.bestTime_[cell];
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
    return (QStringLiteral(" ") + QString::number(rank)).right(2);
}

QString rankText3(const RankingRow& row) {
    if (row.bestTime == kNoTime) return QStringLiteral("---");
    return rightAligned(QStringLiteral(" ") + QString::number(row.rank), 3);
}

QString name5r(const QString& name) {
    QString trimmed = name;
    while (trimmed.endsWith(QLatin1Char(' '))) trimmed.chop(1);
    return (trimmed + kFullWidthBlank.repeated(6)).left(5);
}

QString mark(bool current, int gradeCode) {
    return current ? QStringLiteral("●") : gradeMarker(gradeCode);
}

QString mark2(bool current) {
    return current ? QStringLiteral("●") : kFullWidthBlank;
}

QString rankingLine(const RankingRow& row, RankingKind kind, const QString& name, int gradeCode) {
    const QString head = mark(row.current, gradeCode) + name5r(name);
    if (kind == RankingKind::Points) {
        return rank2(row.rank) + head + rightAligned(QString::number(row.todayPoints), 3) +
               QStringLiteral("/") + rightAligned(QString::number(row.totalPoints), 5);
    }
    const QString tail = QStringLiteral(" ") + mark2(row.current);
    if (row.bestTime == kNoTime)
        return QStringLiteral("--") + head + QStringLiteral("------") + tail;
    if (row.bestTime == kNoTime - 1)
        return rank2(row.rank) + head + QStringLiteral("*失敗*") + tail;
    return rank2(row.rank) + head + rightAligned(QString::number(row.bestTime), 6) + tail;
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
    return shared.currentSchoolYear - shared.studentBirthYears[static_cast<size_t>(studentNo)] - 6;
}

StudentLookup sharedStudents() {
    return {[](int s) {
                return s >= 0 && s <= kMaxStudent ? shared.studentNames[static_cast<size_t>(s)]
                                                  : QString();
            },
            gradeCodeOf};
}

std::span<const qint16> sharedRosterView() {
    const int count = std::clamp(shared.rosterCount, 0, kMaxStudent);
    return std::span<const qint16>(shared.rosterStudentNo).subspan(1, static_cast<size_t>(count));
}

std::function<bool(int)> gradeGroupPredicate(const QString& group) {
    return [group](int s) { return gradeInGroup(gradeCodeOf(s), group); };
}

}  // namespace records
