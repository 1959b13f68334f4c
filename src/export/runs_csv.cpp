#include "export/runs_csv.h"

#include <QStringEncoder>
#include <cmath>

#include "course/points.h"
#include "course/run_times.h"
#include "platform/ansi.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "results/statistics.h"
#include "roster/roster.h"
#include "state/course.h"
#include "state/roster.h"

namespace {

// 9999-12-31: later day counts have no four-digit year.
constexpr double kLastDay = 2958465;

// The classroom field is space-padded; records of other writers may pad with zero bytes.
QString classroomCode(const QString& field) {
    qsizetype end = field.size();
    while (end > 0 && (field[end - 1] == u' ' || field[end - 1] == u'\0')) --end;
    return field.left(end);
}

// Fixed-width decimal digits at `at` (the value is never negative here).
void putDigits(QChar* at, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        at[i] = QChar(u'0' + value % 10);
        value /= 10;
    }
}

// yyyy-mm-dd and hh:mm:ss, built by hand: the calendar's formatter is the slowest part
// of a row.
QString dayText(double days) {
    const QDate d = platform::dateFromDayCount(days);
    QString text(10, u'-');
    putDigits(text.data(), d.year(), 4);
    putDigits(text.data() + 5, d.month(), 2);
    putDigits(text.data() + 8, d.day(), 2);
    return text;
}

QString clockText(double timeOfDay) {
    const QTime t = platform::timeFromFraction(timeOfDay);
    QString text(8, u':');
    putDigits(text.data(), t.hour(), 2);
    putDigits(text.data() + 3, t.minute(), 2);
    putDigits(text.data() + 6, t.second(), 2);
    return text;
}

bool needsQuotes(const QString& value) {
    for (QChar c : value) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n') return true;
    }
    return false;
}

}  // namespace

LogRuns decodeRuns(const QByteArray& bytes, const QString& path) {
    LogRuns runs;
    const qint64 n = bytes.size() / kResultRecordSize;
    runs.tornBytes = bytes.size() % kResultRecordSize;
    runs.records.reserve(static_cast<size_t>(n));
    const char* data = bytes.constData();
    for (qint64 rec = 0; rec < n; ++rec) {
        const ResultRecord r = ResultRecord::fromBytes(data + rec * kResultRecordSize);
        if (r.level > kMaxLevel || r.studentNo < 0 || r.studentNo > kMaxStudent) {
            throw platform::RuntimeError(
                platform::errSubscriptOutOfRange, path,
                QStringLiteral("記録 %1: 生徒番号 %2 またはレベル %3 が範囲の外です")
                    .arg(rec + 1)
                    .arg(r.studentNo)
                    .arg(r.level));
        }
        if (r.date < 0 || r.studentNo == 0 || r.level <= 0) {
            ++runs.leftOut;
            continue;
        }
        if (!(r.date <= kLastDay) || !std::isfinite(r.timeOfDay)) {
            throw platform::RuntimeError(
                platform::errOverflow, path,
                QStringLiteral("記録 %1: 日付または時刻が読めません").arg(rec + 1));
        }
        runs.records.push_back(r);
    }
    return runs;
}

bool isWanted(const ResultRecord& record, const RunsFilter& filter) {
    if (filter.studentNo != 0 && record.studentNo != filter.studentNo) return false;
    if (!filter.from.isValid() && !filter.to.isValid()) return true;
    const QDate day = platform::dateFromDayCount(record.date);
    if (filter.from.isValid() && day < filter.from) return false;
    if (filter.to.isValid() && day > filter.to) return false;
    return true;
}

QStringList csvHeader() {
    return {QStringLiteral("日付"),      QStringLiteral("時刻"),       QStringLiteral("生徒番号"),
            QStringLiteral("名前"),      QStringLiteral("学年"),       QStringLiteral("レベル"),
            QStringLiteral("レベル名"),  QStringLiteral("タイム(秒)"), QStringLiteral("得点"),
            QStringLiteral("教室コード")};
}

QStringList csvRow(const ResultRecord& record, const RunsLookup& lookup) {
    const int student = record.studentNo;
    const int level = record.level;
    const qint32 t = record.time;
    return {
        dayText(record.date),
        clockText(record.timeOfDay),
        QString::number(student),
        lookup.studentNames[student],
        lookup.gradeLabels[student],
        QString::number(level),
        lookup.levelNames[level],
        course::isFailedRun(t) ? QString() : QString::number(t),
        QString::number(basePointsFor(t, lookup.passTimes[level])),
        classroomCode(record.classroom),
    };
}

QString csvField(const QString& value) {
    if (!needsQuotes(value)) return value;
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString csvLine(const QStringList& fields) {
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) line += u',';
        line += csvField(fields[i]);
    }
    line += QStringLiteral("\r\n");
    return line;
}

QByteArray encodeCsv(const QString& text, CsvEncoding encoding) {
    if (encoding == CsvEncoding::Cp932) return platform::toAnsi(text);
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::WriteBom);
    return utf8.encode(text);
}

QByteArray runsCsv(const std::vector<ResultRecord>& records, const RunsLookup& lookup,
                   const RunsFilter& filter, CsvEncoding encoding, size_t pendingFrom) {
    const bool pendingColumn = pendingFrom != kNoPending;
    QString text = csvLine(csvHeader() + (pendingColumn ? QStringList{QStringLiteral("保存待ち")}
                                                        : QStringList{}));
    // A row is about 60 characters; names and level names make some longer.
    text.reserve(static_cast<qsizetype>(records.size()) * 96 + text.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const ResultRecord& r = records[i];
        if (!isWanted(r, filter)) continue;
        const qint32 passTime = lookup.passTimes[r.level];
        if (passTime <= 0) {
            throw platform::RuntimeError(
                platform::errDivisionByZero, lookup.targetsPath,
                QStringLiteral("レベル %1 の合格タイムが %2 です (正の数が必要です)")
                    .arg(r.level)
                    .arg(passTime));
        }
        QStringList row = csvRow(r, lookup);
        if (pendingColumn) row << (i >= pendingFrom ? QStringLiteral("○") : QString());
        text += csvLine(row);
    }
    return encodeCsv(text, encoding);
}
