#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include "results/log_record.h"

// The results log "成績累積データ.dat" (44-byte records) and its home-use copy
// "成績累積データ家庭用.dat" (66-byte records): where they lie and how a run is appended.

// The folderName of the home-use copy for a data folder ("…/ならびタッチ/" gives
// "ならびタッチ\", as the Windows machines of the family write it).
QString homeFolderName(const QString& dataFolder);

QString resultLogPath();      // dataFolder + "成績累積データ.dat"
QString homeResultLogPath();  // baseFolder + "成績累積データ家庭用.dat"

// Students from this number on are not copied to the home-use file.
constexpr int kFirstStudentWithoutHomeCopy = 4900;

// A finished run as the log records it: who, at which level, in how many seconds.
struct FinishedRun {
    qint16 student = 0;
    qint16 level = 0;
    qint32 time = 0;
};

// The record appendResult writes for a run at the given moment: date as the whole day
// count, time of day as the fraction of the day in whole seconds.
ResultRecord resultRecordOf(const FinishedRun& run, const QDateTime& now);
HomeResultRecord homeResultRecordOf(const FinishedRun& run, const QDateTime& now);

// Appends the run (with the classroom code of the settings, at the clock's moment) to the
// log and, for students below 4900, to the home copy. Raises a run-time error naming the
// file when it cannot be written. When the log was written but the home copy was not, the
// log record stays and the error names the home copy.
void appendResult(const FinishedRun& run);

// The two halves of appendResult, for one moment: the log record, and the home copy's
// record (skipped for students from 4900 on).
void appendResultRecord(const FinishedRun& run, const QDateTime& now);
void appendHomeResultRecord(const FinishedRun& run, const QDateTime& now);
