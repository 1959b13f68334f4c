#pragma once

#include <QtGlobal>

// A run ends at its time limit, five times the level's second time; the log then records
// 99999 for it.
constexpr qint32 timeLimitFor(qint32 secondTime) {
    return 5 * secondTime;
}
