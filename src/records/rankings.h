#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <span>
#include <vector>

class ResultsTables;

// Per-level rankings of the students in the roster view: by best time, or by points
// (all-time first or today's first). Plain functions over the statistics; the home screen's
// record lists and the chart cards both build their rows here.
namespace records {

enum class RankingKind { Times, Points };
// Which points lead the points ranking.
enum class PointsOrder { AllTime = 1, Today = 2 };

// One row of a ranking, in sorted order.
struct RankingRow {
    int studentNo = 0;
    // Competition rank (1, 1, 3): counts every student of the roster view, also those whose
    // rows are not listed.
    int rank = 0;
    // Whether the row is shown: the student is in the grade group and, in the ranking by
    // today's points, has points today.
    bool listed = false;
    bool current = false;  // the signed-in student
    qint32 bestTime = 0;
    qint32 totalPoints = 0;  // all-time points
    qint32 todayPoints = 0;
};

struct RankingRequest {
    int level = 0;
    RankingKind kind = RankingKind::Times;
    PointsOrder pointsOrder = PointsOrder::AllTime;   // the points kind only
    std::span<const qint16> roster;                   // student numbers in roster order
    std::function<bool(int studentNo)> inGradeGroup;  // empty: every student
    int currentStudentNo = 0;
};

// The ranking of one level. Times: ascending best time, equal times in roster order, the
// students without a record (99999) last; a row whose best time equals the previous row's
// takes its rank. Points: the key 1000000 - 1000*A - B (all-time order) or
// 1000000 - 1000*B - A (today's order), A = all-time points, B = today's points, sorted
// ascending, equal keys in roster order; a row whose leading points equal the previous
// row's takes its rank. So in today's order a student whose all-time points reach 1000 can
// sort above students with more points today. Student numbers outside 0..5000 in the
// roster view are passed over.
std::vector<RankingRow> buildRanking(const ResultsTables& stats, const RankingRequest& request);

// The order of a stable ascending sort of keys[0..n-1]: equal keys keep their order. The
// same order as two passes of rankSort over the keys.
std::vector<int> stableAscendingOrder(std::span<const qint64> keys);

// The key of a points ranking row.
qint64 pointsKey(qint32 allTimePoints, qint32 todayPoints, PointsOrder order);

// ---------------------------------------------------------------------------------------
// Text pieces of the lines. Names are given as stored (space-padded).

// The last `width` characters of `width` blanks + text: right-aligned, cut from the left.
QString rightAligned(const QString& text, int width);
// The rank with one leading blank, cut to its last 2 characters (" 1", "12", rank 100 "00").
QString rank2(int rank);
// The rank right-aligned in 3 characters ("  1", " 12", "100") for the chart cards, or "---"
// for a student without a record at the level (best time 99999).
QString rankText3(const RankingRow& row);
// The name with trailing blanks removed, then six full-width blanks, cut to 5 characters.
QString name5r(const QString& name);
// "●" for the signed-in student, otherwise the grade marker of the grade code.
QString mark(bool current, int gradeCode);
// "●" for the signed-in student, otherwise one full-width blank.
QString mark2(bool current);

// A line of a ranking list:
//   times:  rank2 mark name5r time-in-6 " " mark2; "*失敗*" for 99998; "--" ... "------"
//           for 99999 (no record);
//   points: rank2 mark name5r today's-points-in-3 "/" all-time-points-in-5.
QString rankingLine(const RankingRow& row, RankingKind kind, const QString& name, int gradeCode);

// What the lines need of a student: the stored name and the grade code.
struct StudentLookup {
    std::function<QString(int studentNo)> name;
    std::function<int(int studentNo)> gradeCode;
};

// The lines of the listed rows, in order.
QStringList rankingLines(const std::vector<RankingRow>& rows, RankingKind kind,
                         const StudentLookup& students);

// The same, from the shared roster tables: the grade code is
// currentSchoolYear - studentBirthYears(s) - 6.
int gradeCodeOf(int studentNo);
StudentLookup sharedStudents();
// The shared roster view: rosterStudentNo(1..rosterCount).
std::span<const qint16> sharedRosterView();
// Whether a student's grade code is in a grade group of Combo1 ("全学年", "小５" ...).
std::function<bool(int studentNo)> gradeGroupPredicate(const QString& group);

}  // namespace records
