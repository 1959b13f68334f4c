#include "course/points.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "state/session.h"
#include "state/settings.h"

namespace {

// The end screen's rule (basePoints) and the lists' rule (basePointsFor) at the boundaries
// of the pass time T: the curve up to T, then 4 up to 2T, 1 up to 10T, 0 beyond. The end
// screen's curve takes the time itself, the lists' one its first three digits.
TEST(PointsRules, BothRulesAtTheBoundaries) {
    const struct {
        qint32 t, pass;
        int end, list;  // -1: not checked
    } cases[] = {
        {0, 30, 55, 55},         {10, 30, 19, -1},       {29, 30, 5, -1},
        {30, 30, 5, 5},          {31, 30, 4, 4},         {59, 30, 4, 4},
        {60, 30, 1, 1},          {299, 30, 1, 1},        {300, 30, 0, 0},
        {20, 40, -1, 11},        {39, 40, -1, 5},        {400, 40, 0, 0},
        {99999, 30, 0, 0},       {99999, 100000, 0, -1}, {99998, 99999, 0, -1},
        {1200, 1500, 5, 43},  // ((1500 - 120) / 1500)^3 x 50 + 5 = 43.93 by the time key
        {99997, 200000, -1, 54}, {99998, 200000, -1, 0},  // above 99997 nothing counts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.t << " of " << c.pass);
        if (c.end >= 0) {
            EXPECT_EQ(basePoints(c.t, c.pass, 1), c.end);
        }
        if (c.list >= 0) {
            EXPECT_EQ(basePointsFor(c.t, c.pass), c.list);
        }
    }
    for (qint32 t : {0, 20, 399, 999}) EXPECT_EQ(basePoints(t, 1000, 1), basePointsFor(t, 1000));
    EXPECT_EQ(timeKey(1234), 123);
    EXPECT_EQ(timeKey(-1234), -12);
    EXPECT_THROW(basePointsFor(10, 0), platform::RuntimeError);
}

TEST(EndPoints, ZeroPassTimeIsTheTargetsFileError) {
    state::resetRunState();
    state::settingsAtStartUp().dataFolder = QStringLiteral("/data/drill/");
    try {
        basePoints(20, 0, 3);
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::errDivisionByZero);
        EXPECT_EQ(e.file(), QStringLiteral("/data/drill/タイム回数データ.txt"));
        EXPECT_TRUE(e.detail().contains(QStringLiteral("level 3"))) << e.what();
    }
    state::resetRunState();
}

TEST(PointsRules, Weights) {
    EXPECT_EQ(weightedPoints(1.5, 5), 7);
    EXPECT_EQ(weightedPoints(0, 55), 0);
    EXPECT_EQ(drillPoints(11, 3), 33);
    // The product is taken in single precision.
    EXPECT_EQ(drillPoints(1, 16777217), 16777216);
    EXPECT_THROW(drillPoints(55, 100000000), platform::RuntimeError);
}

}  // namespace
