#include "platform/clock.h"

#include <QElapsedTimer>
#include <random>

namespace platform {

namespace {

class SystemClock : public Clock {
  public:
    SystemClock() { timer_.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    quint32 tickCount() const override { return static_cast<quint32>(monotonicMs()); }
    qint64 monotonicMs() const override { return timer_.elapsed(); }

  private:
    QElapsedTimer timer_;
};

class SystemRandom : public Random {
  public:
    double next() override { return dist_(engine_); }
    void seed(quint64 seed) override { engine_.seed(seed); }

  private:
    std::mt19937_64 engine_{5489u};
    std::uniform_real_distribution<double> dist_{0.0, 1.0};
};

Clock* g_clock = nullptr;
Random* g_random = nullptr;

}  // namespace

Clock& clock() {
    static SystemClock system;
    return g_clock ? *g_clock : system;
}

void setClock(Clock* c) {
    g_clock = c;
}

QDate today() {
    return clock().now().date();
}
QTime timeOfDay() {
    return clock().now().time();
}
double secondsSinceMidnight() {
    return timeOfDay().msecsSinceStartOfDay() / 1000.0;
}

Random& random() {
    static SystemRandom system;
    return g_random ? *g_random : system;
}

void setRandom(Random* r) {
    g_random = r;
}

void seedFromClock() {
    random().seed(static_cast<quint64>(clock().now().toMSecsSinceEpoch()));
}

}  // namespace platform
