#include "platform/numeric.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/dates.h"
#include "platform/geometry.h"

using namespace platform;

// Day counts from 30 December 1899: the whole part the date, the fraction the time of day,
// also below zero (-1.25 is 29 December 1899, 06:00).
TEST(DayCounts, DatesAndTimesOfTheDayCount) {
    const struct {
        double days;
        QDateTime at;
    } cases[] = {
        {0, {QDate(1899, 12, 30), QTime(0, 0)}},       {2, {QDate(1900, 1, 1), QTime(0, 0)}},
        {36526.75, {QDate(2000, 1, 1), QTime(18, 0)}}, {-29, {QDate(1899, 12, 1), QTime(0, 0)}},
        {-1.25, {QDate(1899, 12, 29), QTime(6, 0)}},   {0.5, {QDate(1899, 12, 30), QTime(12, 0)}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dayCountFromDateTime(c.at), c.days);
        EXPECT_EQ(dateFromDayCount(c.days), c.at.date()) << c.days;
        EXPECT_EQ(timeFromFraction(c.days), c.at.time()) << c.days;
        EXPECT_EQ(dayCountFromDate(dateFromDayCount(std::floor(c.days))), std::floor(c.days));
    }
    EXPECT_EQ(dateFromDayCount(-0.5), QDate(1899, 12, 30));
    EXPECT_EQ(timeFromFraction(0.999999999), QTime(0, 0));
    EXPECT_EQ(dayFraction(QTime(12, 0)), 0.5);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(2.51), 3);
    EXPECT_EQ(roundHalfEven(-2.6), -3);
}

TEST(Rounding, IntGoesTowardMinusInfinity) {
    EXPECT_EQ(vbInt(-1.5), -2);
    EXPECT_EQ(vbInt(-0.0001), -1);
    EXPECT_EQ(vbInt(1.9999), 1);
    EXPECT_EQ(vbInt(3.0), 3);
}

TEST(LeadingNumbers, NumberAtTheStartOfAText) {
    EXPECT_EQ(leadingNumber("  12abc"), 12);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber("1.5e2x"), 150);
    EXPECT_EQ(leadingNumber("-3.25"), -3.25);
    EXPECT_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber("7e"), 7);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("-"), 0);
    EXPECT_EQ(leadingNumber("１２"), 0);  // full-width digits are no number
    EXPECT_TRUE(startsWithNumber(" 0"));
    EXPECT_FALSE(startsWithNumber("x1"));
    EXPECT_FALSE(startsWithNumber("."));
}

TEST(LeadingNumbers, NumberText) {
    EXPECT_EQ(numberText(5), "5");
    EXPECT_EQ(numberText(-3), "-3");
    EXPECT_EQ(numberText(2.5), "2.5");
    EXPECT_EQ(numberText(36526.75), "36526.75");
    EXPECT_EQ(numberText(99999), "99999");
}

TEST(ScreenScale, LargerScreensScaleByOneFactor) {
    EXPECT_EQ(scaleForScreen(QSize(1024, 768)), 1.0);
    EXPECT_EQ(scaleForScreen(QSize(800, 600)), 1.0);
    EXPECT_EQ(scaleForScreen(QSize(2048, 1536)), 2.0);
    EXPECT_EQ(scaleForScreen(QSize(1920, 1080)), 1080.0 / 768.0);
    EXPECT_EQ(scaleForScreen(QSize(1280, 1024)), 1.25);
    EXPECT_EQ(scaleForScreen(QSize(0, 0)), 1.0);
}

TEST(ScreenScale, DesignStandsCentredOnTheWholeScreen) {
    const struct {
        QRect screen;
        QSize design;
        QRect window;
        QPoint origin;
    } cases[] = {
        {{0, 0, 1024, 768}, {1024, 768}, {0, 0, 1024, 768}, {0, 0}},
        {{0, 0, 1366, 768}, {1024, 768}, {0, 0, 1366, 768}, {171, 0}},
        {{0, 0, 1920, 1080}, {1440, 1080}, {0, 0, 1920, 1080}, {240, 0}},
        {{0, 0, 1280, 1024}, {1280, 960}, {0, 0, 1280, 1024}, {0, 32}},
        // A second screen right of the first; screens smaller than the design.
        {{1920, 0, 1366, 768}, {1024, 768}, {1920, 0, 1366, 768}, {171, 0}},
        {{0, 0, 800, 600}, {1024, 768}, {0, 0, 1024, 768}, {0, 0}},
        {{0, 0, 1280, 720}, {1024, 768}, {0, 0, 1024, 768}, {0, 0}},
    };
    for (const auto& c : cases) {
        const DesignPlacement placed = placeDesign(c.screen, c.design);
        EXPECT_EQ(placed.window, c.window) << c.screen.width() << "x" << c.screen.height();
        EXPECT_EQ(placed.designOrigin, c.origin) << c.screen.width() << "x" << c.screen.height();
    }
}

TEST(ScreenScale, TwipsToPixels) {
    EXPECT_EQ(tw(15360), 1024);
    EXPECT_EQ(tw(11520), 768);
    setScreenScale(2.0);
    EXPECT_EQ(tw(15), 2);
    EXPECT_EQ(twRect(150, 300, 15, 30), QRect(20, 40, 2, 4));
    setScreenScale(0);
    EXPECT_EQ(screenScale(), 1.0);
    EXPECT_EQ(tw(15), 1);
}
