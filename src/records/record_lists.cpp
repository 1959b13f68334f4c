#include "records/record_lists.h"

#include "platform/clock.h"
#include "platform/dates.h"
#include "results/log_record.h"
#include "state/course.h"

namespace records {

RankingList rankingList(const ResultsTables& stats, int level, RankingKind kind, PointsOrder order,
                        const QString& gradeGroup, int currentStudentNo) {
    const std::vector<RankingRow> rows =
        buildRanking(stats, {level, kind, order, sharedRosterView(),
                             gradeGroupPredicate(gradeGroup), currentStudentNo});
    RankingList list;
    list.lines = rankingLines(rows, kind, sharedStudents());
    for (int row = 0; row < list.lines.size() && list.studentRow < 0; ++row)
        if (list.lines[row].contains(QStringLiteral("●"))) list.studentRow = row;
    return list;
}

std::vector<QStringList> runLists(const QByteArray& log, RunList list, RankingKind kind,
                                  int levelCount, const QString& gradeGroup, int currentStudentNo,
                                  const std::function<void(int recordNo)>& progress) {
    const std::vector<LogRun> runs = decodeLogTail(log, runListWindow(list));
    const int start =
        static_cast<int>(log.size() / kResultRecordSize) - static_cast<int>(runs.size());
    RunListRequest request;
    request.list = list;
    request.kind = kind;
    request.levelCount = levelCount;
    request.today = platform::dayCountFromDate(platform::clock().now().date());
    request.currentStudentNo = currentStudentNo;
    request.inGradeGroup = gradeGroupPredicate(gradeGroup);
    request.students = sharedStudents();
    request.passTime = [](int level) { return state::course().levelTargets[level].passTime; };
    return runListLines(runs, request, [&](int handled) {
        if (progress) progress(start + handled);
    });
}

}  // namespace records
