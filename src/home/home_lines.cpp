#include "home/home_lines.h"

#include "course/run_times.h"
#include "platform/numeric.h"
#include "results/statistics.h"
#include "roster/roster.h"
#include "state/course.h"
#include "state/roster.h"

namespace homelines {

namespace {

QString num(double value) {
    return platform::numberText(value);
}

bool validCell(int level, int student) {
    return level >= 1 && level <= kMaxLevel && student >= 0 && student <= kMaxStudent;
}

}  // namespace

QStringList explanationLines() {
    return {
        QStringLiteral("①の指示で計算します"),
        QStringLiteral("②計算の答えを入力します"),
        QStringLiteral("　スペースキーで次のますへ移動できます"),
        QStringLiteral("　（矢印キーでも他のますへ移動できます）"),
        QStringLiteral("　間違いは"),
        QStringLiteral("　　DELETEキー"),
        QStringLiteral("　または"),
        QStringLiteral("　　シフトを押しながら方向キー"),
        QStringLiteral("　で消せます"),
        QStringLiteral("③すべて入力したら"),
        QStringLiteral("　判定ボタンをクリックするか"),
        QStringLiteral("　エンターキーを押します"),
        QStringLiteral("判定後"),
        QStringLiteral("　間違っていたら"),
        QStringLiteral("　　続きボタン"),
        QStringLiteral("　または"),
        QStringLiteral("　　スペースキー"),
        QStringLiteral("　を押して"),
        QStringLiteral("　修正します"),
        QStringLiteral("　すべて修正したら"),
        QStringLiteral("　また判定ボタンをします"),
        QString(),
        QStringLiteral("では、スタートボタンを押してはじめよう"),
    };
}

QString targetsLine(const LevelTarget& t) {
    QString text = QStringLiteral("目標=") + num(t.passTime) + QStringLiteral("秒");
    if (course::hasNoClearTarget(t.clearPoints)) return text + QStringLiteral(" --------");
    return text + QStringLiteral(" ") + num(t.clearCount) + QStringLiteral("回/") +
           num(t.clearPoints) + QStringLiteral("点(×") + num(t.pointWeight) + QStringLiteral(")");
}

QString clearWindowLine(const LevelTarget& t, const ResultsTables& stats, int level, int student) {
    qint32 count = 0;
    qint32 points = 0;
    if (validCell(level, student)) {
        const int i = ResultsTables::at(level, student);
        count = stats.clearWindowCount_[i];
        points = stats.clearWindowPoints_[i];
    }
    return QStringLiteral("最近") + num(t.clearWindowDays) + QStringLiteral("日=") + num(count) +
           QStringLiteral("回 / ") + num(points) + QStringLiteral("点");
}

QString allTimeLine(const ResultsTables& stats, int level, int student) {
    if (!validCell(level, student)) return QStringLiteral("------");
    const int i = ResultsTables::at(level, student);
    if (stats.attempts_[i] == 0) return QStringLiteral("------");
    return num(stats.attempts_[i]) + QStringLiteral("回/") + num(stats.totalPoints_[i]) +
           QStringLiteral("点");
}

QString todayLine(const ResultsTables& stats, int level, int student) {
    if (!validCell(level, student)) return QStringLiteral("-----");
    const int i = ResultsTables::at(level, student);
    if (stats.todayCount_[i] == 0) return QStringLiteral("-----");
    return num(stats.todayCount_[i]) + QStringLiteral("回/") + num(stats.todayPoints_[i]) +
           QStringLiteral("点");
}

QString studentLine(const QString& gradeLabel, const QString& studentName) {
    if (gradeLabel.isEmpty()) return trimSpaces(studentName);
    return gradeLabel + QStringLiteral(" ") + trimSpaces(studentName);
}

QString classroomLine(const QString& classroom, int studentNo) {
    return classroom + QStringLiteral(":") + QString::number(studentNo);
}

QString signInLine(qint64 minutes) {
    return QStringLiteral("起動後") + QString::number(minutes) + QStringLiteral("分");
}

QString todayTotalLine(qint64 total) {
    return QStringLiteral("本日総回数＝") + QString::number(total) + QStringLiteral("回");
}

int titleFontSize(const QString& title) {
    return title.size() > 9 ? 20 : 24;
}

int firstColumn(int scrollValue, int levelCount) {
    if (scrollValue > levelCount || scrollValue < 1) return 1;
    return scrollValue;
}

int columnLeft(int left, int level, int first, int width, int windowWidth) {
    const int x = left + (level - first) * width;
    return x < 0 ? windowWidth : x;
}

}  // namespace homelines
