#include "records/run_lists.h"

#include <algorithm>
#include <cmath>

#include "course/points.h"
#include "course/run_times.h"
#include "platform/dates.h"
#include "records/line_pieces.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "roster/roster.h"
#include "state/course.h"
#include "state/roster.h"

namespace records {

namespace {

const QString kFailedHead = QStringLiteral("　　× ");

// Date texts of the runs, remembered for the last date seen (runs of one day follow one
// another in the log).
class DateTexts {
  public:
    const QString& operator()(double date) {
        if (!valid_ || date != date_) {
            date_ = date;
            text_ = dateText(date);
            valid_ = true;
        }
        return text_;
    }

  private:
    double date_ = 0;
    QString text_;
    bool valid_ = false;
};

// hhmm: the clock text's hour (two digits), ":" and minutes.
void appendHhmm(QString& out, double fraction) {
    out.append((QStringLiteral("00") + clockText(fraction)).right(8).left(5));
}

}  // namespace

int runListWindow(RunList list) {
    return list == RunList::Today ? 1000 : kMaxRecords;
}

std::vector<LogRun> decodeLogTail(const QByteArray& bytes, int window) {
    const qint64 n = bytes.size() / kResultRecordSize;
    const qint64 start = n > window ? n - window : 0;
    std::vector<LogRun> runs;
    runs.reserve(static_cast<size_t>(n - start));
    for (qint64 rec = start; rec < n; ++rec) {
        const char* r = bytes.constData() + rec * kResultRecordSize;
        runs.push_back(decodeLoggedRun(r));
    }
    return runs;
}

int runPoints(qint32 time, qint32 passTime) {
    if (course::isNoResult(time) || passTime <= 0) return 0;
    return basePointsFor(time, passTime);
}

QString dateText(double dayCount) {
    if (!std::isfinite(dayCount) || std::fabs(dayCount) > 3.0e6) return QString::number(dayCount);
    return platform::dateFromDayCount(dayCount).toString(QStringLiteral("yyyy/MM/dd"));
}

QString clockText(double fraction) {
    if (!std::isfinite(fraction)) return QString();
    return platform::timeFromFraction(fraction).toString(QStringLiteral("H:mm:ss"));
}

QString time5(qint32 time) {
    return rightAligned(QString::number(time) + QStringLiteral("秒"), 5);
}

QString hhmm(double fraction) {
    return (QStringLiteral("00") + clockText(fraction)).right(8).left(5);
}

QString mmdd(double dayCount) {
    return dateText(dayCount).right(5);
}

QString date10(double dayCount) {
    return dateText(dayCount).right(10);
}

QString name5(const QString& name) {
    QString out;
    pieces::appendName(out, name, 5, true);
    return out;
}

std::vector<QStringList> runListLines(std::span<const LogRun> runs, const RunListRequest& request,
                                      const std::function<void(int)>& progress) {
    const int levelCount = std::clamp(request.levelCount, 0, kMaxLevel);
    std::vector<QStringList> lines(static_cast<size_t>(levelCount) + 1);
    const double from = request.today - kLookBackDays;
    DateTexts dates;

    int handled = 0;
    for (const LogRun& run : runs) {
        if (progress && (++handled & 255) == 0) progress(handled);
        // A run without a column or with a student number no table has is left out.
        if (run.level < 1 || run.level > levelCount) continue;
        if (run.studentNo < 0 || run.studentNo > kMaxStudent) continue;
        switch (request.list) {
            case RunList::Today:
                if (std::floor(run.date) != request.today) continue;
                break;
            case RunList::Own:
                if (run.studentNo != request.currentStudentNo) continue;
                [[fallthrough]];
            case RunList::All:
                if (!(run.date > from)) continue;
                break;
        }
        if (request.inGradeGroup && !request.inGradeGroup(run.studentNo)) continue;

        const bool failed = course::isFailedRun(run.time);
        QString line;
        line.reserve(32);
        if (request.list == RunList::Own) {
            line.append(dates(run.date).right(10));
            line.append(QLatin1Char(' '));
            line.append(clockText(run.timeOfDay).right(10));
            if (!failed) pieces::appendRight(line, run.time, 5, u"秒");
        } else {
            const QString m = mark(run.studentNo == request.currentStudentNo,
                                   request.students.gradeCode(run.studentNo));
            const bool byPoints =
                request.list == RunList::All && request.kind == RankingKind::Points;
            const int points = failed ? 0 : runPoints(run.time, request.passTime(run.level));
            if (failed)
                line.append(kFailedHead);
            else if (byPoints)
                pieces::appendRight(line, points, 5);
            else
                pieces::appendRight(line, run.time, 5, u"秒");
            if (!failed) line.append(QLatin1Char(' '));
            if (request.list == RunList::Today)
                appendHhmm(line, run.timeOfDay);
            else
                line.append(QStringView(dates(run.date)).right(5));
            line.append(m);
            pieces::appendName(line, request.students.name(run.studentNo), 5, true);
            line.append(m);
            if (!failed) {
                if (byPoints)
                    pieces::appendRight(line, run.time, 0, u"秒");
                else
                    pieces::appendRight(line, points, 0);
            }
        }
        lines[static_cast<size_t>(run.level)].append(line);
    }
    if (progress) progress(static_cast<int>(runs.size()));
    return lines;
}

}  // namespace records
