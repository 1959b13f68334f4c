#pragma once

#include <QStringList>

namespace records {

// The lines of the chart panel's student list, read from the roster: for every line of
// status 0, in file order, "小１ /  山田花子/12". Only reads: the roster load's home-use limit,
// rosterEntries and rosterCount are left alone; the per-student name, birth year and grade
// label tables are refreshed from every line. A missing or malformed roster raises the
// roster reader's run-time error.
QStringList chartStudentListLines();

// A line of the chart student list: "小１ /  山田花子/12".
QString studentListLine(const QString& fullWidthGradeLabel, const QString& studentName,
                        int studentNo);

}  // namespace records
