#pragma once

#include <QString>
#include <QStringList>

#include "state/course.h"

class ResultsTables;

// Texts of the home screen.
namespace homelines {

// The explanation lines of List6, in order.
QStringList explanationLines();

// Label7(L): "目標=30秒 3回/40点(×2)", or "目標=30秒 --------" when clearPoints is 9999.
QString targetsLine(const LevelTarget& target);
// Label8(L): "最近7日=2回 / 30点" (the student's figures inside the clear window).
QString clearWindowLine(const LevelTarget& target, const ResultsTables& stats, int level,
                        int student);
// Label15(L): all-time figures "3回/45点", or "------" without completed drills.
QString allTimeLine(const ResultsTables& stats, int level, int student);
// Label14(L): today's figures "1回/15点", or "-----" without drills today.
QString todayLine(const ResultsTables& stats, int level, int student);

// Label12: grade label + " " + trimmed name; the name alone when there is no label.
QString studentLine(const QString& gradeLabel, const QString& studentName);
// Label13: classroom + ":" + student number.
QString classroomLine(const QString& classroom, int studentNo);
// Label17: "起動後" + minutes + "分".
QString signInLine(qint64 minutes);
// Label18: "本日総回数＝" + total + "回".
QString todayTotalLine(qint64 total);

// Font size of the drill title in Label11: 20 when longer than 9 characters, else 24.
int titleFontSize(const QString& title);

// The first visible level column for a scroll value: the value, or 1 when it exceeds
// levelCount (or is below 1).
int firstColumn(int scrollValue, int levelCount);
// Left position of the column of a level: left + (level - first) * width; a column left
// of the first visible one is parked at the window's width.
int columnLeft(int left, int level, int first, int width, int windowWidth);

}  // namespace homelines
