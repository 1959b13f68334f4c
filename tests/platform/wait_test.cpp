#include "platform/wait.h"

#include <gtest/gtest.h>

#include <QTimer>

#include "platform/clock.h"
#include "platform/program.h"

namespace {

class WaitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::resetProgramEnding();
        platform::setClock(&clock);
        platform::setEndHandler([](int) {});
    }
    void TearDown() override {
        platform::setWaitHandler(nullptr);
        platform::setEndHandler(nullptr);
        platform::setClock(nullptr);
        platform::resetProgramEnding();
    }
    platform::FakeClock clock{QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0))};
};

TEST_F(WaitTest, RunsEventsUntilTheMonotonicClockHasPassed) {
    // Every event-loop turn moves the clock on by 100 ms.
    int turns = 0;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++turns;
        clock.advanceMs(100);
    });
    timer.start();
    const qint64 start = clock.monotonicMs();
    platform::waitProcessingEvents(1000);
    EXPECT_GE(clock.monotonicMs() - start, 1000);
    EXPECT_GE(turns, 10);
}

TEST_F(WaitTest, StopsAsSoonAsTheProgramEnds) {
    int turns = 0;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++turns == 3) platform::endProgram();
    });
    timer.start();
    platform::waitProcessingEvents(1000000);  // the clock stands still: only the end stops it
    EXPECT_GE(turns, 3);
    EXPECT_LT(turns, 10);
}

}  // namespace
