#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QtGlobal>

namespace platform {

// The clock and calendar, the millisecond tick counter and a monotonic clock. The
// system clock is used unless a test installs its own.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds since an arbitrary start, wrapping at 2^32 (GetTickCount).
    virtual quint32 tickCount() const = 0;
    // Milliseconds on a clock that never jumps (not affected by midnight or clock changes).
    virtual qint64 monotonicMs() const = 0;
};

Clock& clock();
// Installs a clock; nullptr restores the system clock. The caller keeps ownership.
void setClock(Clock* clock);

QDate today();
QTime timeOfDay();
// Seconds since midnight with the fraction (Timer of the Windows programs).
double secondsSinceMidnight();

// A clock for tests: time stands still until advanced.
class FakeClock : public Clock {
  public:
    explicit FakeClock(QDateTime start) : now_(std::move(start)) {}
    QDateTime now() const override { return now_; }
    quint32 tickCount() const override { return static_cast<quint32>(ms_); }
    qint64 monotonicMs() const override { return ms_; }
    void advanceMs(qint64 ms) {
        ms_ += ms;
        now_ = now_.addMSecs(ms);
    }
    void setNow(const QDateTime& now) { now_ = now; }

  private:
    QDateTime now_;
    qint64 ms_ = 1000000;
};

// The uniform random generator: next() returns r with 0 <= r < 1.
class Random {
  public:
    virtual ~Random() = default;
    virtual double next() = 0;
    virtual void seed(quint64 seed) = 0;
};

Random& random();
void setRandom(Random* random);
// Seeds the generator from the time of day.
void seedFromClock();

// Random values for tests: the given values in turn, again from the first when used up.
class SequenceRandom : public Random {
  public:
    explicit SequenceRandom(QList<double> values) : values_(std::move(values)) {}
    double next() override {
        if (values_.isEmpty()) return 0.0;
        const double v = values_[index_ % values_.size()];
        ++index_;
        return v;
    }
    void seed(quint64) override {}

  private:
    QList<double> values_;
    qsizetype index_ = 0;
};

}  // namespace platform
