#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

#include "export/runs_csv.h"

// narabitouch-export: the results log of a program folder as CSV. It reads the family's
// files the way the program does and never writes any of them.

struct ExportRequest {
    QString programDir;
    RunsFilter filter;
    CsvEncoding encoding = CsvEncoding::Utf8WithBom;
    QString outputPath;  // empty: standard output
    bool pending = false;  // also the runs this computer keeps for the family
    bool help = false;
    bool version = false;
};

// Parses the arguments (without the program's own name). False, with the reason, on a
// usage error.
bool parseExportArguments(const QStringList& args, ExportRequest* request, QString* error);

// The text of --help.
QString exportUsage();

// Where the program's output goes: the CSV when no file is given (false when it could not
// be written), and the messages (one at a time, without a line end).
struct ExportOutput {
    std::function<bool(const QByteArray&)> standardOutput;
    std::function<void(const QString&)> standardError;
};

// Exit codes of the program.
constexpr int kExportOk = 0;
constexpr int kExportFileError = 1;
constexpr int kExportUsageError = 2;

// The whole program: arguments in, CSV and messages out, an exit code back. Run-time
// errors of the readers become a message naming the file and kExportFileError.
int runExport(const QStringList& args, const ExportOutput& out);

// Settings, level names, targets and roster of the program folder (given without the
// closing "/"), read as the program reads them but without the home-use limit and without
// renaming anything: a roster left behind as "生徒用名簿temp.txt" is read where it lies
// (a note says so). Raises a run-time error naming the file that is missing or malformed.
RunsLookup loadRunsLookup(const QString& programDir, QStringList* notes);

// The log read under the shared lock; while another machine appends it waits a second and
// tries again, `attempts` times in all, then raises error 70 naming the log.
QByteArray readLogShared(const QString& path, int attempts);
