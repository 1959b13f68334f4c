#include "records/progress_report.h"

// The report's texts: durations, medians, days, changes beside the period before, the
// totals' lines and the level table's cells.

#include <cmath>

#include "course/run_times.h"

namespace records {

QString practiceTimeText(qint64 seconds) {
    if (seconds >= 3600)
        return QStringLiteral("%1時間%2分")
            .arg(seconds / 3600)
            .arg(seconds % 3600 / 60, 2, 10, QLatin1Char('0'));
    if (seconds >= 60)
        return QStringLiteral("%1分%2秒")
            .arg(seconds / 60)
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1秒").arg(seconds);
}

QString medianText(double median) {
    if (median < 0) return QStringLiteral("--");
    return QString::number(median, 'f', median == std::floor(median) ? 0 : 1) +
           QStringLiteral("秒");
}

QString dayText(int day) {
    const QDate date = dateOfDay(day);
    return QStringLiteral("%1月%2日").arg(date.month()).arg(date.day());
}

QString changeText(qint64 now, qint64 before) {
    const qint64 change = now - before;
    if (change == 0) return QStringLiteral("±0");
    return (change > 0 ? QStringLiteral("+") : QString()) + QString::number(change);
}

namespace {

QString signedTime(qint64 now, qint64 before) {
    const qint64 change = now - before;
    if (change == 0) return QStringLiteral("±0秒");
    return (change > 0 ? QStringLiteral("+") : QStringLiteral("-")) +
           practiceTimeText(std::abs(change));
}

}  // namespace

std::vector<TotalLine> totalLines(const ProgressReport& report, const QString& previousName) {
    const ReportTotals& t = report.totals;
    const ReportTotals& p = report.previous;
    const bool compare = report.previousRange.days() > 0 && !previousName.isEmpty();
    const auto line = [&](const char* name, const char* caption, qint64 now, qint64 before,
                          const QString& unit) {
        return TotalLine{
            QString::fromLatin1(name), QString::fromUtf8(caption), QString::number(now) + unit,
            compare ? previousName + u' ' + changeText(now, before) + unit : QString()};
    };
    std::vector<TotalLine> lines = {
        line("runs", "回数", t.runs, p.runs, QStringLiteral("回")),
        line("passed", "合格", t.passed, p.passed, QStringLiteral("回")),
        line("outOfTime", "時間切れ", t.outOfTime, p.outOfTime, QStringLiteral("回")),
        {QStringLiteral("practiceTime"), QStringLiteral("練習時間"), practiceTimeText(t.seconds),
         compare ? previousName + u' ' + signedTime(t.seconds, p.seconds) : QString()},
        line("points", "ポイント", t.points, p.points, QStringLiteral("点")),
        line("days", "練習した日", t.days, p.days, QStringLiteral("日")),
        line("currentStreak", "連続練習（今）", t.currentStreak, p.currentStreak,
             QStringLiteral("日")),
        line("longestStreak", "最長連続", t.longestStreak, p.longestStreak, QStringLiteral("日")),
    };
    return lines;
}

QStringList levelHeadings() {
    return {QStringLiteral("レベル"),
            QStringLiteral("回数"),
            QStringLiteral("最高"),
            QStringLiteral("最高の日"),
            QStringLiteral("最近10回"),
            QStringLiteral("初合格"),
            QStringLiteral("日ごとの最高タイム")};
}

QStringList levelCells(const LevelReport& level, const QString& levelName) {
    const bool best = !course::isFailedRun(level.bestTime);
    return {QString::number(level.level) + u' ' + levelName,
            QString::number(level.runs) + QStringLiteral("回"),
            best ? QString::number(level.bestTime) + QStringLiteral("秒") : QStringLiteral("--"),
            best ? dayText(level.bestDay) : QStringLiteral("--"),
            medianText(level.recentMedian),
            level.firstPassDay
                ? dateOfDay(level.firstPassDay).toString(QStringLiteral("yyyy/MM/dd"))
                : QStringLiteral("--")};
}

QString rangeText(const DayRange& range) {
    const auto full = [](int day) {
        const QDate d = dateOfDay(day);
        return QStringLiteral("%1年%2月%3日").arg(d.year()).arg(d.month()).arg(d.day());
    };
    return full(range.first) + QStringLiteral("～") + full(range.last);
}

}  // namespace records
