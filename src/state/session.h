#pragma once

#include <QString>
#include <QtGlobal>

namespace state {

// The signed-in student: set at the sign-in on the name selection, read by the home, drill
// and end screens until the next sign-in.
struct Session {
    qint16 currentStudentNo = 0;
    QString currentStudentName;
    QString currentGradeLabel;
    double signInSeconds = 0;
    qint64 signInMonotonicMs = 0;  // the same moment on the monotonic clock
    // The student has cleared the goal level (the home screen's locks find it; the end
    // screen's next-level hint reads it).
    qint16 goalCleared = 0;
};

// Back to the state at program start: the settings, the course and the roster (tests run
// several programs in one process).
void resetRunState();

}  // namespace state
