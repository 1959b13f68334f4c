#pragma once

#include <QString>
#include <QStringList>

// Grades: the overall grade code of a student (1..6 primary, 7..9 lower secondary), its
// labels and markers, and the grade groups the lists are narrowed by.

// The school year of a date: years start in startMonth; a month before it belongs to the
// year before. Any start month is taken, as the Windows machines take it: before 1 the
// school year is the calendar year, beyond 12 the year before.
int schoolYearFor(int year, int month, double startMonth);

// The overall grade code of a birth year in a school year (1 = first primary year, 0 and
// below pre-school, 10 and above upper secondary on).
int gradeFor(int schoolYear, int birthYear);

// Display label of a grade code ("幼-", "幼1".."幼3", "小1".."小6", "中1".."中3",
// "高1".."高3", "大+").
QString displayGradeLabel(int grade);
// The full-width label ("幼３", "小１".."中３", "高１"), empty outside 0..10.
QString fullWidthGradeLabel(int grade);

// One character marking a grade code in the rankings ("①".."⑥", "Ⅰ".."Ⅲ", else a
// full-width space).
QString gradeMarker(int gradeCode);

// Whether a grade code belongs to a grade group ("全学年", "家族", "小学生全体",
// "中学生全体", "小１".."中３"); an unknown group holds nobody.
bool gradeInGroup(int gradeCode, const QString& group);

// The grade groups of the name selection's group box, in order ("全学年" first).
const QStringList& gradeGroups();
// The grade groups of the home screen's record lists, in order ("全学年" first, "家族"
// last).
const QStringList& rankingGradeGroups();
