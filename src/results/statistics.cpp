#include "results/statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "course/points.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/record_file.h"
#include "platform/wait.h"
#include "results/pending_runs.h"
#include "results/result_log.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/settings.h"

namespace {

constexpr int kNotFoundRetryMs = 5000;
constexpr int kLockRetryMs = 1000;
constexpr int kNotFoundFailuresBeforeGivingUp = 4;

// Whole day count and the present moment (whole seconds, as the Windows clock gives).
void presentMoment(double* todayDays, double* nowDays) {
    const QDateTime now = platform::clock().now();
    const QTime t = now.time();
    *todayDays = platform::dayCountFromDate(now.date());
    *nowDays =
        *todayDays + static_cast<double>(t.hour() * 3600 + t.minute() * 60 + t.second()) / 86400.0;
}

QString dateText(double days) {
    const QDate d = platform::dateFromDayCount(days);
    return d.isValid() ? d.toString(QStringLiteral("yyyy/MM/dd")) : QString::number(days);
}

QString timeText(double fraction) {
    return platform::timeFromFraction(fraction).toString(QStringLiteral("HH:mm:ss"));
}

// The message of a failure other than a missing or locked log: the error, the entry being
// read and where the routine was.
void reportReadFailure(const platform::RuntimeError& e, int i, const ResultEntry& entry,
                       const QString& name, int step, const QString& path) {
    const QString text =
        QStringLiteral("成績ランダムファイル表示 %1 %2").arg(e.description()).arg(e.number()) +
        QStringLiteral("/date") + dateText(entry.date) + QStringLiteral("/i=") +
        QString::number(i) + QStringLiteral("/time=") + timeText(entry.timeOfDay) +
        QStringLiteral("/name=") + name + QStringLiteral("/Bangou=") +
        QString::number(entry.studentNo) + QStringLiteral("/level=") +
        QString::number(entry.level) + QStringLiteral("/time=") + QString::number(entry.time) +
        QStringLiteral(" line") + QString::number(step) + QStringLiteral("\r\n") +
        platform::displayPath(path) +
        (e.detail().isEmpty() ? QString() : QStringLiteral("\r\n") + e.detail());
    platform::msgBox(text);
    platform::endProgram(1);
}

void reportMissingLog(const platform::RuntimeError& e, int step, const QString& path) {
    const QString text = QStringLiteral("ファイルがありません %1 %2 %3")
                             .arg(step)
                             .arg(e.description())
                             .arg(e.number()) +
                         QStringLiteral("\r\n") + platform::displayPath(path);
    platform::msgBox(text);
    platform::endProgram(1);
}

// Reads the whole log, retrying as the log's readers always have. Returns false when the
// program was ended meanwhile.
bool readLog(const QString& path, QByteArray* bytes, int* step, const LockedLogWait& wait) {
    int notFound = 0;
    bool waitBegun = false;
    const auto finish = [&](bool ok) {
        if (waitBegun && wait.end) wait.end();
        return ok;
    };
    for (;;) {
        *step = 2;
        try {
            if (platform::readRecordsShared(path, bytes)) {
                // Runs kept on this computer count as the family's until they are added.
                addPendingToLog(bytes, familyLogs());
                return finish(true);
            }
            // Another machine is appending: wait a second and try again.
            *step = 3;
            if (!waitBegun) {
                if (wait.begin) wait.begin();
                waitBegun = true;
            }
            platform::waitBriefly(kLockRetryMs);
            if (platform::programEnding()) return finish(false);
        } catch (const platform::RuntimeError& e) {
            if (e.number() != platform::errFileNotFound) {
                finish(false);
                reportReadFailure(e, 0, ResultEntry{}, QString(), *step, path);
                return false;
            }
            platform::waitBriefly(kNotFoundRetryMs);
            if (platform::programEnding()) return finish(false);
            if (++notFound >= kNotFoundFailuresBeforeGivingUp) {
                finish(false);
                reportMissingLog(e, *step, path);
                return false;
            }
        }
    }
}

// Puts the cells of the students in use back to their start value.
template <class T>
void resetTable(CellTable<T>& table, int studentsInUse, T value = T()) {
    table.fillStudents(0, studentsInUse, value);
}

void addPoints(qint32& cell, qint32 p, int level) {
    if (__builtin_add_overflow(cell, p, &cell))
        throw platform::RuntimeError(platform::errOverflow, state::levelTargetsPath(),
                                     QStringLiteral("level %1: points beyond 32 bits").arg(level));
}

}  // namespace

ResultsTables::ResultsTables() : levelBestTime_(kMaxLevel + 1, course::kNoRecord) {
    records.resize(kMaxRecords + 1);
}

LevelFigures levelFiguresOf(const ResultsTables& stats, int level, int student) {
    if (level < 1 || level > kMaxLevel || student < 0 || student > kMaxStudent) return {};
    const int i = ResultsTables::at(level, student);
    return {true, stats.clearWindowPoints_[i], stats.clearWindowCount_[i],
            stats.freeWindowPoints_[i], stats.freeWindowCount_[i]};
}

void loadResults(ResultsTables& tb, const LockedLogWait& wait) {
    const QString path = resultLogPath();
    int step = 1;
    QByteArray& bytes = tb.logBytes;
    if (!readLog(path, &bytes, &step, wait)) return;

    step = 4;
    // Every best time back to 99999.
    resetTable(tb.bestTime_, tb.studentsInUse(), course::kNoRecord);
    qint32 levelBest[kMaxLevel + 1];
    std::fill(std::begin(levelBest), std::end(levelBest), course::kNoRecord);

    const qint64 n = bytes.size() / kResultRecordSize;
    qint64 rec = n > kMaxRecords ? n - kMaxRecords : 0;
    int i = 0;
    const char* data = bytes.constData();
    for (; rec < n && i < kMaxRecords; ++rec) {
        step = 5;
        const char* r = data + rec * kResultRecordSize;
        ++i;
        ResultEntry& e = tb.records[i];
        e = decodeLoggedRun(r);

        step = 6;
        if (e.level < 0 || e.level > kMaxLevel || e.studentNo < 0 || e.studentNo > kMaxStudent) {
            const ResultRecord whole = ResultRecord::fromBytes(r);
            reportReadFailure(platform::RuntimeError(platform::errSubscriptOutOfRange, path,
                                                     QStringLiteral("record %1").arg(rec + 1)),
                              i, e, whole.classroom, step, path);
            return;
        }
        qint32& best = tb.bestTime(e.level, e.studentNo);
        if (e.time < best) best = e.time;
        // The level best is the lowest best time of students 1..5000; as every best
        // time started at 99999 it is the lowest time of those students' records.
        if (e.studentNo > 0 && e.time < levelBest[e.level]) levelBest[e.level] = e.time;

        step = 7;
        if (e.date < 0 || e.studentNo == 0 || e.level <= 0) --i;
    }
    tb.recordCount = i;

    step = 8;
    for (int level = 1; level <= kMaxLevel; ++level) tb.levelBestTime_[level] = levelBest[level];
}

bool readResultLog(QByteArray* bytes, const LockedLogWait& wait) {
    int step = 1;
    return readLog(resultLogPath(), bytes, &step, wait);
}

void buildStatistics(ResultsTables& tb, const LockedLogWait& wait) {
    const int students = tb.studentsInUse();
    resetTable(tb.attempts_, students);
    resetTable(tb.clearWindowCount_, students);
    resetTable(tb.todayCount_, students);
    resetTable(tb.todayPoints_, students);
    resetTable(tb.totalPoints_, students);
    resetTable(tb.clearWindowPoints_, students);
    resetTable(tb.freeWindowCount_, students);
    resetTable(tb.freeWindowPoints_, students);

    loadResults(tb, wait);
    if (platform::programEnding()) return;

    // Every level the entries use needs a positive pass time (the points rule divides by it).
    bool used[kMaxLevel + 1] = {};
    for (int i = 1; i <= tb.recordCount; ++i) {
        const int level = tb.records[i].level;
        if (level >= 1 && level <= kMaxLevel) used[level] = true;
    }
    for (int level = 1; level <= kMaxLevel; ++level) {
        if (!used[level]) continue;
        const qint32 passTime = state::course().levelTargets[level].passTime;
        if (passTime <= 0)
            throw platform::RuntimeError(platform::errDivisionByZero, state::levelTargetsPath(),
                                         QStringLiteral("level %1: passTime %2 (must be positive)")
                                             .arg(level)
                                             .arg(passTime));
    }

    double today = 0, now = 0;
    presentMoment(&today, &now);
    double clearFrom[kMaxLevel + 1], freeFrom[kMaxLevel + 1];
    for (int level = 1; level <= kMaxLevel; ++level) {
        clearFrom[level] = now - state::course().levelTargets[level].clearWindowDays;
        freeFrom[level] = now - state::course().levelTargets[level].freeWindowDays;
    }

    for (int i = 1; i <= tb.recordCount; ++i) {
        const ResultEntry& e = tb.records[i];
        const int level = e.level;
        if (level < 1 || level > kMaxLevel) continue;
        const int cell = ResultsTables::at(level, e.studentNo);
        const qint32 t = e.time;
        const bool completed = course::isCompleted(t);
        const LevelTarget& target = state::course().levelTargets[level];

        if (completed) ++tb.attempts_[cell];
        const qint32 p = drillPoints(logBasePoints(t, target.passTime), target.pointWeight);
        if (e.date > clearFrom[level]) {
            if (completed) ++tb.clearWindowCount_[cell];
            addPoints(tb.clearWindowPoints_[cell], p, level);
        }
        if (e.date > freeFrom[level]) {
            if (completed) ++tb.freeWindowCount_[cell];
            addPoints(tb.freeWindowPoints_[cell], p, level);
        }
        addPoints(tb.totalPoints_[cell], p, level);
        if (std::floor(e.date) == today) {
            if (completed) tb.todayCount_[cell] += 1.0f;
            addPoints(tb.todayPoints_[cell], p, level);
        }
    }
}
