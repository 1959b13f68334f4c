#include "results/result_log.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/record_file.h"
#include "state/session.h"
#include "state/settings.h"

namespace {

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
