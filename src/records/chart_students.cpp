#include "records/chart_students.h"

#include "course/grades.h"
#include "roster/roster.h"
#include "state/roster.h"

namespace records {

QStringList chartStudentListLines() {
    const std::vector<RosterLine> lines = readRosterFile(rosterPath());
    state::roster().currentSchoolYear = schoolYearToday();
    QStringList out;
    for (const RosterLine& line : lines) {
        const RosterEntry& e = line.entry;
        const int no = e.studentNo;  // 0..5000, checked by the reader
        storeStudent(e);
        if (line.status == 0) {
            out.append(
                studentListLine(fullWidthGradeLabel(gradeOf(e.birthYear)), e.studentName, no));
        }
    }
    return out;
}

QString studentListLine(const QString& fullWidthGradeLabel, const QString& studentName,
                        int studentNo) {
    return fullWidthGradeLabel + QStringLiteral(" /  ") + trimSpaces(studentName) +
           QStringLiteral("/") + QString::number(studentNo);
}

}  // namespace records
