#pragma once

#include <QHash>
#include <QString>
#include <atomic>
#include <functional>
#include <random>
#include <vector>

class QWidget;

// Seeded random input to the visible windows of the running program, as a restless user
// gives it: clicks and double clicks on controls and anywhere in a window, keys (Enter,
// Space, Escape, Tab, arrows, digits, Alt+digits), window closes (the X button, Alt+F4)
// and focus changes, every one delivered as the window system delivers it. On the drill
// screen some clicks press the right card, so that runs get to their end. Between two
// events the user thinks, mostly a moment, sometimes minutes: the next event comes from a
// timer, so on the program's clock when its timers run on a virtual one.
//
// Windows are found through the application's top-level widgets and their objectNames
// only, so the monkey does not depend on how the program shows its screens; they are taken
// in the order the monkey first saw them (those that came up together by name), not in the
// application's own order, which changes from run to run, so that a seed picks the same.
//
// Once the budget is spent the monkey ends the program as a user does: it answers the
// dialogs, closes the screens and presses "終了" (or closes the name list), so that the
// program's exit runs. A program still there after many such events is reported and the
// process ends with `stuckExitCode`.
class Monkey {
  public:
    Monkey(quint32 seed, int budget, int stuckExitCode);

    // Sends events from the event loop, a think apart, also from the loops that handlers
    // and modal windows run meanwhile (as real input arrives).
    void start();

    int sent() const { return sent_; }
    // Whether the budget is spent and the monkey is ending the program.
    bool endingTheProgram() const { return ending_ > 0; }
    // Milliseconds since the event loop last ran a tick of the monkey (any thread).
    qint64 msSinceLastTick() const;

    // Writes the last events sent, oldest first, to a file descriptor; safe in a signal
    // handler.
    static void writeTrail(int fd);

  private:
    void tick();
    void sendOne();
    void endTheProgram();
    void close(QWidget* window);
    std::vector<QWidget*> windowsInOrder();
    int thinkMs();
    bool pressRightCard();
    void clickSomewhere(QWidget* window, bool onControl, bool doubleClick);
    void pressAKey(QWidget* window);
    QWidget* pickWindow();
    int below(int n);

    std::mt19937 random_;
    int budget_;
    int stuckExitCode_;
    int sent_ = 0;
    int depth_ = 0;
    int ending_ = 0;  // events sent to end the program
    QHash<QWidget*, quint64> shownOrder_;
    quint64 nextShown_ = 0;
    std::atomic<qint64> lastTickMs_{0};
};
