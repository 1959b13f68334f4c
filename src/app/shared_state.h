#pragma once

#include <QString>
#include <QtGlobal>

// The state of the signed-in student and the current drill. The settings, the course and
// the roster have owners of their own (folder state/).
struct SharedState {
    QString helpUrl;

    // Current student.
    qint16 currentStudentNo = 0;
    QString currentStudentName;
    QString currentGradeLabel;
    double signInSeconds = 0;
    qint64 signInMonotonicMs = 0;  // the same moment on the monotonic clock
    QString gradeGroupFilter;

    // Current drill and its result.
    qint16 currentLevel = 0;
    qint32 resultTime = 0;
    qint16 endReason = 0;

    // Flags of the last recorded run.
    qint16 personalBestFlag = 0;
    qint16 levelBestFlag = 0;
    qint16 clearedBeforeFlag = 0;
    qint16 goalCleared = 0;
    qint16 retryRequested = 0;
};

extern SharedState shared;

// Back to the state at program start (tests run several programs in one process).
void resetSharedState();
