#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <random>

class QWidget;
class SteppingClock;

// Seeded random input to the visible windows of the running program, as a restless user
// gives it: clicks and double clicks on controls and anywhere in a window, keys (Enter,
// Space, Escape, Tab, arrows, digits, Alt+digits), window closes (the X button, Alt+F4)
// and focus changes, every one delivered as the window system delivers it. On the drill
// screen some clicks press the right card, so that runs get to their end. Every event
// moves the program's clock on, mostly a little, sometimes by minutes.
//
// Windows are found through the application's top-level widgets and their objectNames
// only, so the monkey does not depend on how the program shows its screens.
class Monkey {
  public:
    Monkey(quint32 seed, int budget, SteppingClock& clock);

    // Sends events from the event loop, a millisecond or two apart, also from the loops
    // that handlers and modal windows run meanwhile (as real input arrives). `spent` runs
    // once the budget of events has been sent.
    void start(std::function<void()> spent);

    int sent() const { return sent_; }
    // Milliseconds since the event loop last ran a tick of the monkey (any thread).
    qint64 msSinceLastTick() const;

    // Writes the last events sent, oldest first, to a file descriptor; safe in a signal
    // handler.
    static void writeTrail(int fd);

  private:
    void tick();
    void sendOne();
    void advanceClock();
    bool pressRightCard();
    void clickSomewhere(QWidget* window, bool onControl, bool doubleClick);
    void pressAKey(QWidget* window);
    QWidget* pickWindow();
    int below(int n);

    std::mt19937 random_;
    int budget_;
    SteppingClock& clock_;
    std::function<void()> spent_;
    int sent_ = 0;
    int depth_ = 0;
    bool finished_ = false;
    std::atomic<qint64> lastTickMs_{0};
};
