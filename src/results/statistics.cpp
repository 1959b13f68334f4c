#include "results/statistics.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "app/screens.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/recordfile.h"
#include "platform/wait.h"
#include "results/resultlog.h"

namespace {

constexpr int kCells = (kMaxLevel + 1) * (kMaxStudent + 1);
constexpr int kNotFoundRetryMs = 5000;
constexpr int kLockRetryMs = 1000;
constexpr int kNotFoundFailuresBeforeGivingUp = 4;

QString levelTargetsPath() { return hensuu1.dataFolder + QStringLiteral("タイム回数データ.txt"); }

double readF64(const char* at) {
    const quint64 bits = qFromLittleEndian<quint64>(at);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// Whole day count and the present moment (whole seconds, as the Windows clock gives).
void presentMoment(double* todayDays, double* nowDays) {
    const QDateTime now = platform::clock().now();
    const QTime t = now.time();
    *todayDays = platform::dayCountFromDate(now.date());
    *nowDays = *todayDays +
               static_cast<double>(t.hour() * 3600 + t.minute() * 60 + t.second()) / 86400.0;
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
        QStringLiteral(" line") + QString::number(step) + QStringLiteral("\r\n") + path +
        (e.detail().isEmpty() ? QString() : QStringLiteral("\r\n") + e.detail());
    platform::msgBox(text);
    platform::endProgram(1);
}

void reportMissingLog(const platform::RuntimeError& e, int step, const QString& path) {
    const QString text =
        QStringLiteral("ファイルがありません %1 %2 %3").arg(step).arg(e.description()).arg(e.number()) +
        QStringLiteral("\r\n") + path;
    platform::msgBox(text);
    platform::endProgram(1);
}

// Reads the whole log, retrying as the log's readers always have. Returns false when the
// program was ended meanwhile.
bool readLog(const QString& path, QByteArray* bytes, int* step) {
    int notFound = 0;
    bool waitWindowShown = false;
    const auto finish = [&](bool ok) {
        if (waitWindowShown) screens::closeWaitWindow();
        return ok;
    };
    for (;;) {
        *step = 2;
        try {
            if (platform::readRecordsShared(path, bytes)) return finish(true);
            // Another machine is appending: wait a second and try again.
            *step = 3;
            if (!waitWindowShown) {
                screens::showWaitWindow();
                waitWindowShown = true;
            }
            platform::waitProcessingEvents(kLockRetryMs);
            if (platform::programEnding()) return finish(false);
        } catch (const platform::RuntimeError& e) {
            if (e.number() != platform::errFileNotFound) {
                finish(false);
                reportReadFailure(e, 0, ResultEntry{}, QString(), *step, path);
                return false;
            }
            platform::waitProcessingEvents(kNotFoundRetryMs);
            if (platform::programEnding()) return finish(false);
            if (++notFound >= kNotFoundFailuresBeforeGivingUp) {
                finish(false);
                reportMissingLog(e, *step, path);
                return false;
            }
        }
    }
}

void addPoints(qint32& cell, qint32 p, int level) {
    if (__builtin_add_overflow(cell, p, &cell))
        throw platform::RuntimeError(platform::errOverflow, levelTargetsPath(),
                                     QStringLiteral("level %1: points beyond 32 bits").arg(level));
}

}  // namespace

ResultsTables::ResultsTables()
    : bestTime_(kCells, kNoTime),
      totalPoints_(kCells),
      clearWindowPoints_(kCells),
      freeWindowPoints_(kCells),
      todayPoints_(kCells),
      attempts_(kCells),
      clearWindowCount_(kCells),
      freeWindowCount_(kCells),
      todayCount_(kCells),
      levelBestTime_(kMaxLevel + 1, kNoTime) {
    records.resize(kMaxRecords + 1);
}

ResultsTables& resultsTables() {
    static ResultsTables tables;
    return tables;
}

void loadResults() {
    ResultsTables& tb = resultsTables();
    const QString path = resultLogPath();
    int step = 1;
    QByteArray bytes;
    if (!readLog(path, &bytes, &step)) return;

    step = 4;
    std::fill(tb.bestTime_.begin(), tb.bestTime_.end(), kNoTime);

    const qint64 n = bytes.size() / kResultRecordSize;
    qint64 rec = n > kMaxRecords ? n - kMaxRecords : 0;
    int i = 0;
    const char* data = bytes.constData();
    for (; rec < n && i < kMaxRecords; ++rec) {
        step = 5;
        const char* r = data + rec * kResultRecordSize;
        ++i;
        ResultEntry& e = tb.records[i];
        e.date = readF64(r + 0);
        e.timeOfDay = readF64(r + 8);
        e.studentNo = qFromLittleEndian<qint16>(r + 16);
        e.level = qFromLittleEndian<qint16>(r + 18);
        e.time = qFromLittleEndian<qint32>(r + 20);

        step = 6;
        if (e.level > kMaxLevel || e.studentNo < 0 || e.studentNo > kMaxStudent) {
            const ResultRecord whole = ResultRecord::fromBytes(r);
            reportReadFailure(platform::RuntimeError(platform::errSubscriptOutOfRange, path,
                                                     QStringLiteral("record %1").arg(rec + 1)),
                              i, e, whole.classroom, step, path);
            return;
        }
        // A negative level has no row; such an entry is dropped below like level 0.
        if (e.level >= 0) {
            qint32& best = tb.bestTime_[ResultsTables::at(e.level, e.studentNo)];
            if (e.time < best) best = e.time;
        }

        step = 7;
        if (e.date < 0 || e.studentNo == 0 || e.level <= 0) --i;
    }
    tb.recordCount = i;

    step = 8;
    for (int level = 1; level <= kMaxLevel; ++level) {
        qint32 best = kNoTime;
        const qint32* row = tb.bestTime_.data() + ResultsTables::at(level, 0);
        for (int s = 1; s <= kMaxStudent; ++s) best = std::min(best, row[s]);
        tb.levelBestTime_[level] = best;
    }
}

int timeKey(qint32 t) {
    if (t >= 0) {
        while (t >= 1000) t /= 10;
        return t;
    }
    // "-" takes one of the three characters.
    qint64 a = -static_cast<qint64>(t);
    while (a >= 100) a /= 10;
    return -static_cast<int>(a);
}

int basePointsFor(qint32 t, qint32 passTime) {
    if (passTime <= 0)
        throw platform::RuntimeError(platform::errDivisionByZero, levelTargetsPath(),
                                     QStringLiteral("passTime=%1").arg(passTime));
    if (t > kNoTime - 2) return 0;
    const qint64 T = passTime;
    if (t <= T) {
        const double r = static_cast<double>(T - timeKey(t)) / static_cast<double>(T);
        return static_cast<int>(std::floor(r * r * r * 50.0 + 5.0));
    }
    if (t >= 10 * T) return 0;
    if (t >= 2 * T) return 1;
    return 4;
}

qint32 drillPoints(int base, qint32 pointWeight) {
    const float product = static_cast<float>(base) * static_cast<float>(pointWeight);
    const float p = std::floor(product);
    // 2^31 is the first float beyond the 32-bit range.
    if (!(p >= -2147483648.0f && p < 2147483648.0f))
        throw platform::RuntimeError(
            platform::errOverflow, levelTargetsPath(),
            QStringLiteral("points %1 x pointWeight %2").arg(base).arg(pointWeight));
    return static_cast<qint32>(p);
}

void buildStatistics() {
    ResultsTables& tb = resultsTables();
    std::fill(tb.attempts_.begin(), tb.attempts_.end(), qint16(0));
    std::fill(tb.clearWindowCount_.begin(), tb.clearWindowCount_.end(), qint16(0));
    std::fill(tb.todayCount_.begin(), tb.todayCount_.end(), 0.0f);
    std::fill(tb.todayPoints_.begin(), tb.todayPoints_.end(), 0);
    std::fill(tb.totalPoints_.begin(), tb.totalPoints_.end(), 0);
    std::fill(tb.clearWindowPoints_.begin(), tb.clearWindowPoints_.end(), 0);
    std::fill(tb.freeWindowCount_.begin(), tb.freeWindowCount_.end(), qint16(0));
    std::fill(tb.freeWindowPoints_.begin(), tb.freeWindowPoints_.end(), 0);

    loadResults();
    if (platform::programEnding()) return;

    // Every level the entries use needs a positive pass time (the points rule divides by it).
    bool used[kMaxLevel + 1] = {};
    for (int i = 1; i <= tb.recordCount; ++i) {
        const int level = tb.records[i].level;
        if (level >= 1 && level <= kMaxLevel) used[level] = true;
    }
    for (int level = 1; level <= kMaxLevel; ++level) {
        if (!used[level]) continue;
        const qint32 passTime = hensuu1.levelTargets[level].passTime;
        if (passTime <= 0)
            throw platform::RuntimeError(
                platform::errDivisionByZero, levelTargetsPath(),
                QStringLiteral("level %1: passTime %2 (must be positive)").arg(level).arg(passTime));
    }

    double today = 0, now = 0;
    presentMoment(&today, &now);
    double clearFrom[kMaxLevel + 1], freeFrom[kMaxLevel + 1];
    for (int level = 1; level <= kMaxLevel; ++level) {
        clearFrom[level] = now - hensuu1.levelTargets[level].clearWindowDays;
        freeFrom[level] = now - hensuu1.levelTargets[level].freeWindowDays;
    }

    for (int i = 1; i <= tb.recordCount; ++i) {
        const ResultEntry& e = tb.records[i];
        const int level = e.level;
        if (level < 1 || level > kMaxLevel) continue;
        const int cell = ResultsTables::at(level, e.studentNo);
        const qint32 t = e.time;
        const bool completed = t < kCompletedBelow;
        const LevelTarget& target = hensuu1.levelTargets[level];

        if (completed) ++tb.attempts_[cell];
        const qint32 p = drillPoints(basePointsFor(t, target.passTime), target.pointWeight);
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
