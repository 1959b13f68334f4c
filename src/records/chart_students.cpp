#include "records/chart_students.h"

#include "app/shared_state.h"
#include "home/home_lines.h"
#include "roster/roster.h"

namespace records {

QStringList chartStudentListLines() {
    const std::vector<RosterLine> lines = readRosterFile(rosterPath());
    shared.currentSchoolYear = schoolYearToday();
    QStringList out;
    for (const RosterLine& line : lines) {
        const RosterEntry& e = line.entry;
        const int no = e.studentNo;  // 0..5000, checked by the reader
        const int grade = gradeOf(e.birthYear);
        shared.studentNames[no] = trimSpaces(e.studentName);
        shared.studentBirthYears[no] = e.birthYear;
        if (grade >= 0 && grade <= 10) shared.studentGradeLabels[no] = fullWidthGradeLabel(grade);
        if (line.status == 0)
            out.append(homelines::studentListLine(fullWidthGradeLabel(grade), e.studentName, no));
    }
    return out;
}

}  // namespace records
