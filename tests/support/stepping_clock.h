#pragma once

#include "platform/clock.h"

// A fake clock whose tick counter moves on by 11 ms at every read, so that the busy wait
// before the end screen ends at once; the time of day and the monotonic clock stand still
// until advanced.
class SteppingClock : public platform::Clock {
  public:
    explicit SteppingClock(QDateTime start) : inner_(std::move(start)) {}
    QDateTime now() const override { return inner_.now(); }
    quint32 tickCount() const override {
        inner_.advanceMs(11);
        return inner_.tickCount();
    }
    qint64 monotonicMs() const override { return inner_.monotonicMs(); }
    void advanceMs(qint64 ms) { inner_.advanceMs(ms); }
    void setNow(const QDateTime& t) { inner_.setNow(t); }

  private:
    mutable platform::FakeClock inner_;
};
