#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "results/result_log.h"

// Runs kept on this computer because the family's files could not take them: one file per
// drill folder under the user's state folder, "narabitouch/pending/", rewritten whole. Its
// runs are added to the family's files later, oldest first (see run_keeping.h).

// The two files of a family that a run is appended to, with links resolved.
struct FamilyLogs {
    QString log;   // the results log of the drill folder
    QString home;  // the home-use copy in the family folder
};
FamilyLogs familyLogsOf(const QString& dataFolder, const QString& baseFolder);
// Those of the folders the program runs on.
FamilyLogs familyLogs();

// One run still to reach the family's files: the exact bytes each file still needs.
struct PendingRun {
    QByteArray logRecord;   // 44 bytes for the results log; empty once it is there
    QByteArray homeRecord;  // 66 bytes for the home-use copy; empty once there or not wanted
    bool done() const { return logRecord.isEmpty() && homeRecord.isEmpty(); }
    bool operator==(const PendingRun&) const = default;
};

struct PendingRuns {
    QString path;                  // the pending file of the family on this computer
    std::vector<PendingRun> runs;  // oldest first
    // Why the file cannot be used (malformed, or it names another family's files). Such a
    // file is kept as it is, and nothing of it is added.
    QString problem;
};

QString pendingFolder();
QString pendingFilePath(const FamilyLogs& logs);
// Reads the family's pending file; a missing file holds no runs. Never raises.
PendingRuns readPendingRuns(const FamilyLogs& logs);
// Replaces the family's pending file by `runs` (removes it when there are none), through a
// temp file flushed and renamed. Raises a run-time error naming the file when it cannot.
void writePendingRuns(const FamilyLogs& logs, const std::vector<PendingRun>& runs);
// Moves a file that cannot be used out of the way ("….kept-yyyyMMdd-hhmmss"), so that new
// runs can be kept; returns the new name, or an empty text when it could not be moved.
QString setAsideUnusable(const QString& path);

// The results-log records this computer still holds for the family, oldest first: what
// readers that show the family's runs add to the log.
std::vector<ResultRecord> pendingResults(const FamilyLogs& logs);

// How many of the log's last records a pending record is compared with: a record found
// there byte for byte was appended already (the program stopped before it could forget it).
constexpr int kTailRecordsCompared = 256;
bool inTail(const QByteArray& tail, const QByteArray& record);

// Adds to the whole-record bytes of a results log the pending log records of the family
// that are not among its last records, and returns how many it added. A torn last record is
// cut first. An unusable pending file adds nothing.
int addPendingToLog(QByteArray* logBytes, const FamilyLogs& logs);
