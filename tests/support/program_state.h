#pragma once

#include <QApplication>
#include <QWidget>

#include "platform/program.h"
#include "state/session.h"

// Closes every window of the program and lets the closed ones be deleted.
inline void closeEveryWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Puts the program's process-wide state back as a fresh start finds it (whole-program
// tests run many programs in one process): the shared state and the end of the program.
inline void resetProgramState() {
    state::resetRunState();
    platform::resetProgramEnding();
}
