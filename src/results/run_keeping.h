#pragma once

#include <QString>
#include <functional>

#include "results/pending_runs.h"

// Appending runs to the family's files so that none is lost: what cannot be appended (a
// full or read-only folder, a share gone away, an I/O error, or another computer holding
// the file longer than the user wants to wait) is kept on this computer and added later,
// exactly once.

enum class RunKept {
    Recorded,  // in both files it belongs to
    KeptHere,  // kept on this computer for at least one of them
    Lost,      // neither appended nor kept
};

struct RunKeeping {
    RunKept kept = RunKept::Recorded;
    QString message;  // what the user is told (empty when recorded)
};

// Asked each time another computer has held a file locked for about 5 s more: true to
// keep waiting, false to keep the run on this computer. `folder` is the file's folder.
using KeepWaiting = std::function<bool(const QString& folder)>;
// The question in a message box: "待ち続ける" or "このパソコンに保存する".
bool askKeepWaiting(const QString& folder);

constexpr int kLockAskAfterMs = 5000;
constexpr int kLockRetryEveryMs = 100;

// Appends the family's pending runs, then `run`, to the results log and the home-use
// copy, each under its whole-file lock; records already among a file's last records are
// not appended again. What could not be appended stays in (or goes to) the pending file.
RunKeeping keepRun(const PendingRun& run, const KeepWaiting& keepWaiting = askKeepWaiting);

struct PendingAdded {
    int added = 0;    // runs that reached every file they still needed
    int left = 0;     // runs still kept on this computer
    QString problem;  // a pending file that cannot be used, named with the reason
};
// Adds the family's pending runs where the files take them now; a file held by another
// computer is left for the next time, without waiting.
PendingAdded addPendingRuns();
