#include "course/points.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "state/session.h"
#include "state/settings.h"

namespace {

TEST(EndPoints, BasePointsAtTheBoundaries) {
    EXPECT_EQ(basePoints(0, 30, 1), 55);
    EXPECT_EQ(basePoints(10, 30, 1), 19);  // (20/30)^3 * 50 + 5 = 19.8
    EXPECT_EQ(basePoints(29, 30, 1), 5);
    EXPECT_EQ(basePoints(30, 30, 1), 5);
    EXPECT_EQ(basePoints(31, 30, 1), 4);
    EXPECT_EQ(basePoints(59, 30, 1), 4);
    EXPECT_EQ(basePoints(60, 30, 1), 1);
    EXPECT_EQ(basePoints(299, 30, 1), 1);
    EXPECT_EQ(basePoints(300, 30, 1), 0);
    EXPECT_EQ(basePoints(99998, 99999, 1), 0);
    EXPECT_EQ(basePoints(99999, 30, 1), 0);
    EXPECT_EQ(basePoints(99999, 100000, 1), 0);  // no result earns nothing at any pass time
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

TEST(EndPoints, Weight) {
    EXPECT_EQ(weightedPoints(2, 19), 38);
    EXPECT_EQ(weightedPoints(1.5, 5), 7);
    EXPECT_EQ(weightedPoints(0, 55), 0);
}

TEST(PointsRule, BaseAndWeightedPoints) {
    // T = 40: at or under the pass time the key-based curve, then 4, 1 and 0.
    EXPECT_EQ(basePointsFor(0, 40), 55);
    EXPECT_EQ(basePointsFor(20, 40), 11);  // 0.5^3 * 50 + 5 = 11.25
    EXPECT_EQ(basePointsFor(39, 40), 5);
    EXPECT_EQ(basePointsFor(40, 40), 5);
    EXPECT_EQ(basePointsFor(41, 40), 4);
    EXPECT_EQ(basePointsFor(79, 40), 4);
    EXPECT_EQ(basePointsFor(80, 40), 1);
    EXPECT_EQ(basePointsFor(399, 40), 1);
    EXPECT_EQ(basePointsFor(400, 40), 0);
    EXPECT_EQ(basePointsFor(99999, 40), 0);
    // The curve uses the time key (first three digits), not the time itself.
    EXPECT_EQ(timeKey(1234), 123);
    EXPECT_EQ(timeKey(99999), 999);
    EXPECT_EQ(timeKey(999), 999);
    EXPECT_EQ(timeKey(7), 7);
    EXPECT_EQ(timeKey(-1234), -12);
    EXPECT_EQ(basePointsFor(1200, 1500), 43);  // ((1500 - 120) / 1500)^3 * 50 + 5 = 43.93
    // Above 99997 nothing counts, even under a very long pass time.
    EXPECT_EQ(basePointsFor(99997, 200000), 54);
    EXPECT_EQ(basePointsFor(99998, 200000), 0);
    EXPECT_THROW(basePointsFor(10, 0), platform::RuntimeError);

    EXPECT_EQ(drillPoints(11, 3), 33);
    EXPECT_EQ(drillPoints(55, 0), 0);
    // The product is taken in single precision.
    EXPECT_EQ(drillPoints(1, 16777217), 16777216);
    EXPECT_THROW(drillPoints(55, 100000000), platform::RuntimeError);
}

TEST(PointsRules, TheTwoRulesPartFromATimeKeyOfThreeDigits) {
    for (qint32 t : {0, 20, 399, 999})
        EXPECT_EQ(basePoints(t, 1000, 1), basePointsFor(t, 1000)) << t;
    EXPECT_EQ(basePoints(1200, 1500, 1), 5);
    EXPECT_EQ(basePointsFor(1200, 1500), 43);
}

}  // namespace
