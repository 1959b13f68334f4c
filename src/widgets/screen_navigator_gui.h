#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QCloseEvent;

#include "results/run_recording.h"
#include "results/statistics.h"

// The screens of the program as the windows ask for one another. The program's screen
// flow owns the windows, implements these calls and hands itself to each screen it makes;
// the calls of this base do nothing.
class ScreenFlow {
  public:
    virtual ~ScreenFlow() = default;

    virtual void showNameSelection() {}
    virtual void closeNameSelection() {}
    // The signed-in student's home screen.
    virtual void showHomeScreen() {}
    virtual void closeHomeScreen() {}
    // A new drill at the level (an open one makes way).
    virtual void startDrill(int level) { (void)level; }
    // The end screen of a run just recorded.
    virtual void showEndScreen(const RunOutcome& outcome) { (void)outcome; }
    virtual void showWaitWindow() {}
    virtual void closeWaitWindow() {}
    // The help window at an address.
    virtual void showHelp(const QString& address) { (void)address; }
    // The help window goes; `backToList`: its way back, which brings the name list to the
    // front again.
    virtual void closeHelp(bool backToList) { (void)backToList; }
    // The modal version dialog over the name selection.
    virtual void showVersionDialog() {}
    // The name-change window; false when there is none to show.
    virtual bool showNameChange() { return false; }
    // The window "成績の記録" over `over`, with `firstStudent` chosen when it is one of the
    // roster's.
    virtual void showProgressReport(int firstStudent, QWidget* over) {
        (void)firstStudent;
        (void)over;
    }
};

// The wait for a log another machine holds, with the flow's please-wait window.
LockedLogWait lockedLogWait(ScreenFlow& flow);

// Window lifetimes. A screen that makes way is retired: hidden at once and deleted
// (deleteLater) once control is back in the event loop, so a handler never loses its
// window under it.
void retireWindow(QWidget* window);
// True for a window that is gone or retired.
bool windowGone(const QWidget* window);

// What a screen does with a close. The window system's close (X button, Alt+F4) takes the
// screen's own way out, or is refused where it has none (`wayOut` empty); a close by the
// program only hides it (the flow that holds it lets it go).
void handleClose(QWidget* window, QCloseEvent* event, std::function<void()> wayOut);
