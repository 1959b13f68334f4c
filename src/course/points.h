#pragma once

#include <QtGlobal>

// The points a run earns. There are two rules, side by side on purpose:
//
// - The end screen's rule (basePoints, weightedPoints) shows the run just finished: the
//   curve uses the whole time, and the weight is multiplied in double precision.
// - The log statistics' rule (basePointsFor, drillPoints) is the one every program of the
//   family rebuilds its figures and lists with from the shared results log: the curve uses
//   the time key (the first three digits of the time), and the weight is multiplied in
//   single precision.
//
// For times under 1000 seconds and ordinary weights both give the same points. They differ
// beyond: a run of 1200 s against 1500 s shows 5 points on the end screen but counts 43 in
// the figures. Making them agree would change either what the screen has always shown or
// the totals the other machines compute from the same log, so both are kept as they are.
//
// Both rules: no result (99998 and above) earns 0; at or under the pass time p the curve
// Int(((p - t) / p)^3 * 50 + 5) (5..55); under 2p 4; under 10p 1; from 10p on 0.

// End screen: base points of a run of t seconds at a level with pass time p. A pass time
// of 0 or below raises run-time error 11 naming the targets file and the level.
int basePoints(qint32 t, qint32 passTime, int level);
// End screen: Int(weight * base).
qint64 weightedPoints(double pointWeight, int basePoints);

// Log statistics: the time key, the number formed by the first three characters of t in
// decimal ("-" takes one of them).
int timeKey(qint32 t);
// Log statistics: base points with the time key; the caller made sure passTime > 0.
int logBasePoints(qint32 t, qint64 passTime);
// Log statistics: base points; a pass time that is not positive raises error 11.
int basePointsFor(qint32 t, qint32 passTime);
// Log statistics: the integer part of base x weight, multiplied in single precision; a
// product beyond 32 bits raises error 6.
qint32 drillPoints(int base, qint32 pointWeight);
