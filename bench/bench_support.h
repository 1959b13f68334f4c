#pragma once

// Helpers the benchmark programs share: resident memory and a large results log.

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QString>
#include <cstdio>

#include "platform/dates.h"
#include "results/result_log.h"

namespace bench {

// Resident memory in kB of a process (0: this one); -1 when it cannot be read.
inline long residentKb(qint64 pid = 0) {
    QFile f(pid ? QStringLiteral("/proc/%1/status").arg(pid) : QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// A results log of `count` runs: three students at levels 1-4, 300 a day up to today.
inline void writeLog(const QString& path, int count) {
    const double today = platform::dayCountFromDate(QDate::currentDate());
    QByteArray log;
    log.reserve(count * kResultRecordSize);
    for (int i = 0; i < count; ++i) {
        ResultRecord r;
        r.date = today - (count - i) / 300;
        r.timeOfDay = 0.5;
        r.studentNo = static_cast<qint16>(1 + i % 3);
        r.level = static_cast<qint16>(1 + i % 4);
        r.time = 20 + i % 70;
        r.classroom = QStringLiteral("12345");
        log += r.toBytes();
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(log) != log.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

}  // namespace bench
