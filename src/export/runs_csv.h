#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "results/result_log.h"
#include "state/course.h"
#include "state/roster.h"

// The results log as CSV for spreadsheets: one row per run, RFC 4180 quoting, CR LF.

enum class CsvEncoding {
    Utf8WithBom,  // what spreadsheets on Japanese Windows open correctly
    Cp932,
};

// What a row takes from the family's files besides the log record.
struct RunsLookup {
    std::vector<QString> studentNames = std::vector<QString>(kMaxStudent + 1);  // trimmed
    std::vector<QString> gradeLabels = std::vector<QString>(kMaxStudent + 1);
    std::array<QString, kMaxLevel + 1> levelNames;
    std::array<qint32, kMaxLevel + 1> passTimes{};
    QString targetsPath;  // named when a level in use has no positive pass time
};

// Which runs to export; an invalid date or student 0 leaves that bound open.
struct RunsFilter {
    QDate from;
    QDate to;
    int studentNo = 0;
};

// The runs of a log file's bytes, in file order.
struct LogRuns {
    std::vector<ResultRecord> records;
    qint64 tornBytes = 0;  // bytes of an incomplete last record, which is skipped
    int leftOut = 0;       // records without a student, a level or a date (never listed)
};

// Decodes every whole record. Records with a negative date, student 0 or a level of 0 or
// less are left out as the program's lists leave them out. A level above 35, a student
// outside 0..5000 or a date or clock time that is no number raises a run-time error naming
// the file and the record.
LogRuns decodeRuns(const QByteArray& bytes, const QString& path);

bool isWanted(const ResultRecord& record, const RunsFilter& filter);

QStringList csvHeader();
// date, clock time, student number, name, grade label, level, level name, time (empty for
// a failed run), unweighted points, classroom code.
QStringList csvRow(const ResultRecord& record, const RunsLookup& lookup);

// A field quoted when it holds a comma, a double quote, CR or LF; quotes doubled.
QString csvField(const QString& value);
// The fields joined by commas, ended by CR LF.
QString csvLine(const QStringList& fields);

// UTF-8 led by the byte-order mark, or CP932.
QByteArray encodeCsv(const QString& text, CsvEncoding encoding);

// The header and the rows of the wanted runs, encoded. A wanted run at a level without a
// positive pass time raises error 11 naming the targets file and the level. With
// `pendingFrom`, a last column "保存待ち" marks the records from that index on with "○"
// (runs kept on this computer, not in the log yet).
constexpr size_t kNoPending = size_t(-1);
QByteArray runsCsv(const std::vector<ResultRecord>& records, const RunsLookup& lookup,
                   const RunsFilter& filter, CsvEncoding encoding,
                   size_t pendingFrom = kNoPending);
