#pragma once

#include <QAbstractEventDispatcher>
#include <atomic>
#include <vector>

class SteppingClock;

// The main thread's event dispatcher for a life of the monkey: timers run on the program's
// clock (a SteppingClock), not on the real one, so that a seed replays exactly. A timer
// fires once the clock has reached its time; when nothing else is left to do, the clock
// jumps to the next timer. Posted events, window-system events (and on xcb the X server's)
// and sockets go through the dispatcher the platform makes, which is created on first use,
// once the platform is up.
//
// Install it with QCoreApplication::setEventDispatcher before the application is made.
class VirtualTimeDispatcher : public QAbstractEventDispatcher {
  public:
    explicit VirtualTimeDispatcher(SteppingClock& clock);
    ~VirtualTimeDispatcher() override;

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;
    void registerSocketNotifier(QSocketNotifier* notifier) override;
    void unregisterSocketNotifier(QSocketNotifier* notifier) override;
    void registerTimer(int timerId, qint64 interval, Qt::TimerType timerType,
                       QObject* object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject* object) override;
    QList<TimerInfo> registeredTimers(QObject* object) const override;
    int remainingTime(int timerId) override;
    void wakeUp() override;
    void interrupt() override;

  private:
    struct Timer {
        int id;
        qint64 interval;
        Qt::TimerType type;
        QObject* object;
        qint64 due;
        quint64 serial;  // registration order: timers due at once fire in it
        bool firing = false;
    };
    QAbstractEventDispatcher* platform();
    qint64 now() const;
    // Fires the timers due now, each once; returns how many fired with a non-zero interval.
    int fireDueTimers();
    Timer* find(int timerId);

    SteppingClock& clock_;
    std::atomic<QAbstractEventDispatcher*> platform_{nullptr};
    std::vector<Timer> timers_;
    quint64 nextSerial_ = 0;
    std::atomic<bool> interrupted_{false};
};
