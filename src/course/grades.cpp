#include "course/grades.h"

namespace {

const QStringList& gradeNames() {
    static const QStringList names = {
        QStringLiteral("小１"), QStringLiteral("小２"), QStringLiteral("小３"),
        QStringLiteral("小４"), QStringLiteral("小５"), QStringLiteral("小６"),
        QStringLiteral("中１"), QStringLiteral("中２"), QStringLiteral("中３"),
    };
    return names;
}

}  // namespace

int schoolYearFor(int year, int month, double startMonth) {
    return month < startMonth ? year - 1 : year;
}

int gradeFor(int schoolYear, int birthYear) {
    return schoolYear - birthYear - 6;
}

QString displayGradeLabel(int grade) {
    if (grade < -2) return QStringLiteral("幼-");
    if (grade <= 0) return QStringLiteral("幼") + QString::number(grade + 3);
    if (grade <= 6) return QStringLiteral("小") + QString::number(grade);
    if (grade <= 9) return QStringLiteral("中") + QString::number(grade - 6);
    if (grade <= 12) return QStringLiteral("高") + QString::number(grade - 9);
    return QStringLiteral("大+");
}

QString fullWidthGradeLabel(int grade) {
    if (grade == 0) return QStringLiteral("幼３");
    if (grade >= 1 && grade <= 9) return gradeNames()[grade - 1];
    if (grade == 10) return QStringLiteral("高１");
    return {};
}

QString gradeMarker(int gradeCode) {
    static const QString kMarkers[] = {
        QStringLiteral("①"), QStringLiteral("②"), QStringLiteral("③"),
        QStringLiteral("④"), QStringLiteral("⑤"), QStringLiteral("⑥"),
        QStringLiteral("Ⅰ"), QStringLiteral("Ⅱ"), QStringLiteral("Ⅲ"),
    };
    if (gradeCode >= 1 && gradeCode <= 9) return kMarkers[gradeCode - 1];
    return QStringLiteral("　");
}

bool gradeInGroup(int gradeCode, const QString& group) {
    if (group == QStringLiteral("全学年") || group == QStringLiteral("家族")) return true;
    if (group == QStringLiteral("小学生全体")) return gradeCode >= 1 && gradeCode <= 6;
    if (group == QStringLiteral("中学生全体")) return gradeCode >= 7 && gradeCode <= 9;
    const qsizetype at = gradeNames().indexOf(group);
    return at >= 0 && gradeCode == at + 1;
}

const QStringList& gradeGroups() {
    static const QStringList groups = {
        QStringLiteral("全学年"), QStringLiteral("中学生全体"), QStringLiteral("小学生全体"),
        QStringLiteral("中３"),   QStringLiteral("中２"),       QStringLiteral("中１"),
        QStringLiteral("小６"),   QStringLiteral("小５"),       QStringLiteral("小４"),
        QStringLiteral("小３"),   QStringLiteral("小２"),       QStringLiteral("小１")};
    return groups;
}

const QStringList& rankingGradeGroups() {
    static const QStringList groups = gradeGroups() + QStringList{QStringLiteral("家族")};
    return groups;
}
