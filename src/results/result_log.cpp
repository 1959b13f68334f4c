#include "results/result_log.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

#include "platform/ansi.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/record_file.h"
#include "state/session.h"
#include "state/settings.h"

namespace {

// Little-endian field writers and readers on a byte buffer.
void putI16(char* at, qint16 v) {
    qToLittleEndian<qint16>(v, at);
}
void putI32(char* at, qint32 v) {
    qToLittleEndian<qint32>(v, at);
}
void putF64(char* at, double v) {
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    qToLittleEndian<quint64>(bits, at);
}
void putText(char* at, const QString& text, int size) {
    const QByteArray bytes = platform::fixedAnsi(text, size);
    std::memcpy(at, bytes.constData(), static_cast<size_t>(size));
}

qint16 getI16(const char* at) {
    return qFromLittleEndian<qint16>(at);
}
qint32 getI32(const char* at) {
    return qFromLittleEndian<qint32>(at);
}
double getF64(const char* at) {
    const quint64 bits = qFromLittleEndian<quint64>(at);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}
QString getText(const char* at, int size) {
    return platform::fromAnsi(QByteArray(at, size));
}

bool endsWithSeparator(const QString& folder) {
    return folder.endsWith(u'/') || folder.endsWith(u'\\');
}

void dateAndTime(const QDateTime& now, double* date, double* timeOfDay) {
    // The clock of the Windows machines gives the time of day in whole seconds.
    const QTime t = now.time();
    *date = platform::dayCountFromDate(now.date());
    *timeOfDay = static_cast<double>(t.hour() * 3600 + t.minute() * 60 + t.second()) / 86400.0;
}

}  // namespace

void appendResultRecord(const FinishedRun& run, const QDateTime& now) {
    platform::appendRecordLocked(resultLogPath(), resultRecordOf(run, now).toBytes());
}

void appendHomeResultRecord(const FinishedRun& run, const QDateTime& now) {
    if (run.student >= kFirstStudentWithoutHomeCopy) return;
    platform::appendRecordLocked(homeResultLogPath(), homeResultRecordOf(run, now).toBytes());
}

QByteArray ResultRecord::toBytes() const {
    QByteArray out(kResultRecordSize, '\0');
    char* p = out.data();
    putF64(p + 0, date);
    putF64(p + 8, timeOfDay);
    putI16(p + 16, studentNo);
    putI16(p + 18, level);
    putI32(p + 20, time);
    putText(p + 24, classroom, 5);
    std::memcpy(p + 29, "     ", 5);
    std::memcpy(p + 34, "0    ", 5);
    // 39..43 stay zero.
    return out;
}

ResultRecord ResultRecord::fromBytes(const char* bytes) {
    ResultRecord r;
    r.date = getF64(bytes + 0);
    r.timeOfDay = getF64(bytes + 8);
    r.studentNo = getI16(bytes + 16);
    r.level = getI16(bytes + 18);
    r.time = getI32(bytes + 20);
    r.classroom = getText(bytes + 24, 5);
    return r;
}

QByteArray HomeResultRecord::toBytes() const {
    QByteArray out(kHomeResultRecordSize, '\0');
    char* p = out.data();
    putText(p + 0, folderName, 20);
    putI16(p + 20, contentTag);
    putF64(p + 22, date);
    putF64(p + 30, timeOfDay);
    putI16(p + 38, studentNo);
    putI16(p + 40, level);
    putI32(p + 42, time);
    putText(p + 46, classroom, 5);
    // 51..65 stay zero.
    return out;
}

HomeResultRecord HomeResultRecord::fromBytes(const char* bytes) {
    HomeResultRecord r;
    r.folderName = getText(bytes + 0, 20);
    r.contentTag = getI16(bytes + 20);
    r.date = getF64(bytes + 22);
    r.timeOfDay = getF64(bytes + 30);
    r.studentNo = getI16(bytes + 38);
    r.level = getI16(bytes + 40);
    r.time = getI32(bytes + 42);
    r.classroom = getText(bytes + 46, 5);
    return r;
}

QString homeFolderName(const QString& dataFolder) {
    QString folder = dataFolder;
    if (endsWithSeparator(folder)) folder.chop(1);
    const qsizetype cut = std::max(folder.lastIndexOf(u'/'), folder.lastIndexOf(u'\\'));
    return folder.mid(cut + 1) + u'\\';
}

QString resultLogPath() {
    return state::settings().dataFolder + QStringLiteral("成績累積データ.dat");
}

QString homeResultLogPath() {
    return state::settings().baseFolder + QStringLiteral("成績累積データ家庭用.dat");
}

ResultRecord resultRecordOf(const FinishedRun& run, const QDateTime& now) {
    ResultRecord r;
    dateAndTime(now, &r.date, &r.timeOfDay);
    r.studentNo = run.student;
    r.level = run.level;
    r.time = run.time;
    r.classroom = state::settings().classroomCode;
    return r;
}

HomeResultRecord homeResultRecordOf(const FinishedRun& run, const QDateTime& now) {
    HomeResultRecord r;
    r.folderName = homeFolderName(state::settings().dataFolder);
    r.contentTag = 0;
    dateAndTime(now, &r.date, &r.timeOfDay);
    r.studentNo = run.student;
    r.level = run.level;
    r.time = run.time;
    r.classroom = state::settings().classroomCode;
    return r;
}

void appendResult(const FinishedRun& run) {
    // One reading of the clock for both records, so they agree even across midnight.
    const QDateTime now = platform::clock().now();
    appendResultRecord(run, now);
    appendHomeResultRecord(run, now);
}
