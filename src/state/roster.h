#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// Size of the per-student tables: students 0..5000.
constexpr int kMaxStudent = 5000;

// One roster line. Every field is written back when the roster is rewritten, the spare
// ones too: other programs of the family use them.
struct RosterEntry {
    qint16 studentNo = 0;
    qint16 birthYear = 0;
    qint16 spareNumber1 = 0;
    qint16 spareNumber2 = 0;
    QString studentName;  // 20 characters, space-padded
    QString spareText1;   // 20 characters, space-padded
    QString spareText2;   // 20 characters, space-padded
};

namespace state {

// The roster as last loaded: the active lines in file order, and per student number what
// the roster says of the student.
struct Roster {
    int currentSchoolYear = 0;
    std::vector<RosterEntry> entries = std::vector<RosterEntry>(kMaxStudent + 1);  // 1..count
    std::vector<qint16> lineStudentNo = std::vector<qint16>(kMaxStudent + 1);      // 1..count
    std::vector<QString> studentNames = std::vector<QString>(kMaxStudent + 1);     // trimmed
    std::vector<qint16> studentBirthYears = std::vector<qint16>(kMaxStudent + 1);
    std::vector<QString> studentGradeLabels = std::vector<QString>(kMaxStudent + 1);
    int count = 0;
};

Roster& roster();

}  // namespace state
