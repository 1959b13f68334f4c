#pragma once

#include <QString>
#include <QtGlobal>

// The state of the signed-in student. The settings, the course and
// the roster have owners of their own (folder state/).
struct SharedState {
    // Current student.
    qint16 currentStudentNo = 0;
    QString currentStudentName;
    QString currentGradeLabel;
    double signInSeconds = 0;
    qint64 signInMonotonicMs = 0;  // the same moment on the monotonic clock
    QString gradeGroupFilter;

    // The student has cleared the goal level (the home screen's locks find it; the end
    // screen's next-level hint reads it).
    qint16 goalCleared = 0;
};

extern SharedState shared;

// Back to the state at program start (tests run several programs in one process).
void resetSharedState();
