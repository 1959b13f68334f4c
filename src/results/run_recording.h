#pragma once

#include <QtGlobal>

#include "results/result_log.h"

// What a drill ended with and what its record made of it: the end screen's input.
struct RunOutcome {
    FinishedRun run;
    int endReason = 0;           // 0 solved, 1 out of time
    bool clearedBefore = false;  // the level was cleared before this run
    bool personalBest = false;
    bool levelBest = false;
};

// End-of-drill recording: appends the run, updates the in-memory best times and tells
// what the run made. The bests change only once the record is in the log, so a run whose
// record could not be written is never shown as a new best. A level outside 1..35 or a
// student outside 0..5000 raises error 9.
RunOutcome recordResult(const FinishedRun& run);
