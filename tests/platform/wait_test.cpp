#include "platform/wait.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QScopeGuard>
#include <memory>

namespace {

// A wait continues from the event loop, never inside the call that asked for it, and not
// at all once its object is gone.
TEST(Wait, LaterRunsFromTheEventLoopWhileItsObjectLives) {
    std::vector<int> told;
    platform::setWaitHandler([&](int ms) { told.push_back(ms); });
    const auto restore = qScopeGuard([] { platform::setWaitHandler(nullptr); });
    auto kept = std::make_unique<QObject>();
    auto gone = std::make_unique<QObject>();
    int keptRuns = 0;
    int goneRuns = 0;
    platform::later(kept.get(), 1000, [&] { ++keptRuns; });
    platform::later(gone.get(), 500, [&] { ++goneRuns; });
    EXPECT_EQ(keptRuns, 0);
    gone.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(keptRuns, 1);
    EXPECT_EQ(goneRuns, 0);
    EXPECT_EQ(told, (std::vector<int>{1000, 500}));
}

}  // namespace
