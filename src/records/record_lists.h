#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "records/rankings.h"
#include "records/run_lists.h"

class ResultsTables;

// The home screen's record lists as their lines, from the statistics or the results log's
// bytes, for the signed-in student of the session and the chosen grade group.
namespace records {

struct RankingList {
    QStringList lines;
    int studentRow = -1;  // the first row marked "●", -1 when the student is not listed
};

// The ranking of one level of the roster view.
RankingList rankingList(const ResultsTables& stats, int level, RankingKind kind, PointsOrder order,
                        const QString& gradeGroup, int currentStudentNo);

// The run lists of the log's bytes (today's runs, all runs or the student's own, in the
// all-runs list's `kind` of layout), one list of lines per level 0..levelCount (0 unused).
// `progress` is told the number of the record reached.
std::vector<QStringList> runLists(const QByteArray& log, RunList list, RankingKind kind,
                                  int levelCount, const QString& gradeGroup, int currentStudentNo,
                                  const std::function<void(int recordNo)>& progress = {});

}  // namespace records
