#pragma once

#include <QtGlobal>

#include "results/result_log.h"
#include "results/run_keeping.h"

class ResultsTables;

// What a drill ended with and what its record made of it: the end screen's input.
struct RunOutcome {
    FinishedRun run;
    int endReason = 0;           // 0 solved, 1 out of time
    bool clearedBefore = false;  // the level was cleared before this run
    bool personalBest = false;
    bool levelBest = false;
    RunKeeping keeping;  // whether the record reached the family's files, and what to tell
};

// End-of-drill recording: appends the run (or keeps it on this computer when the family's
// files cannot take it, see keepRun), updates the in-memory best times and tells what the
// run made. A kept run counts as recorded; a lost one makes no best. A level outside 1..35
// or a student outside 0..5000 raises error 9.
RunOutcome recordResult(ResultsTables& tables, const FinishedRun& run);
