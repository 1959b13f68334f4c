#pragma once

// End-of-drill recording at the level: sets clearedBeforeFlag, personalBestFlag and
// levelBestFlag (shared), updates the in-memory best times and appends the result.
// The best flags and best times change only once the record is in the log, so a run whose
// record could not be written is never shown as a new best. A level outside 1..35 or a
// student outside 0..5000 raises error 9.
void recordResult(int level);
