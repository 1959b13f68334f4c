#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The record formats of the results log "成績累積データ.dat" (44 bytes) and its home-use copy
// "成績累積データ家庭用.dat" (66 bytes): little-endian, packed, dates as day-count doubles,
// texts in the ANSI code page. The log, the statistics and the lists all read and write
// records through here.

constexpr int kResultRecordSize = 44;
constexpr int kHomeResultRecordSize = 66;

// The fields of a log record that say which run it was: what every reader of the log uses.
struct LoggedRun {
    double date = 0;       // day count from 1899-12-30, whole
    double timeOfDay = 0;  // fraction of a day
    qint16 studentNo = 0;
    qint16 level = 0;
    qint32 time = 0;
};

// The run of one 44-byte record (the classroom text is not decoded).
LoggedRun decodeLoggedRun(const char* record);

// A whole 44-byte record: the run and the classroom it was made in.
struct ResultRecord : LoggedRun {
    QString classroom;  // classroom code, up to 5 bytes

    QByteArray toBytes() const;  // 44 bytes
    static ResultRecord fromBytes(const char* bytes);
};

// A whole 66-byte record of the home-use copy: the run after the data folder's name.
struct HomeResultRecord : LoggedRun {
    QString folderName;  // last folder of the data folder with its closing backslash
    qint16 contentTag = 0;
    QString classroom;

    QByteArray toBytes() const;  // 66 bytes
    static HomeResultRecord fromBytes(const char* bytes);
};
