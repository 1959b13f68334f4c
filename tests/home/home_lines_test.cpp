#include "home/home_lines.h"

#include <gtest/gtest.h>

#include <memory>

#include "course/today_total.h"
#include "results/statistics.h"
#include "state/course.h"

namespace {

// A clear target of 9999 points means the level has none.
TEST(HomeLines, NoClearTarget) {
    LevelTarget t;
    t.passTime = 30;
    t.clearPoints = 9999;
    EXPECT_EQ(homelines::targetsLine(t), QStringLiteral("目標=30秒 --------"));
}

// Each screen adds up its own range of levels for today's total.
TEST(HomeLines, TodayTotals) {
    auto stats = std::make_unique<ResultsTables>();
    stats->todayCount(1, 5) = 1;
    stats->todayCount(2, 5) = 2;
    stats->todayCount(3, 5) = 4;  // beyond the course of 2 levels
    const auto countAt = [&](int level) { return stats->todayCount(level, 5); };
    using course::TodayTotal;
    EXPECT_EQ(homelines::todayTotalLine(course::todayTotal(TodayTotal::HomeScreen, 2, countAt)),
              QStringLiteral("本日総回数＝3回"));
    stats->todayCount(16, 5) = 8;
    EXPECT_EQ(course::todayTotal(TodayTotal::DrillScreen, 2, countAt), 7);
    EXPECT_EQ(course::todayTotal(TodayTotal::EndScreen, 2, countAt), 15);
}

TEST(HomeLines, TitleFontSize) {
    EXPECT_EQ(homelines::titleFontSize(QStringLiteral("ならびタッチ")), 24);
    EXPECT_EQ(homelines::titleFontSize(QStringLiteral("一二三四五六七八九")), 24);
    EXPECT_EQ(homelines::titleFontSize(QStringLiteral("一二三四五六七八九十")), 20);
}

TEST(HomeLines, ColumnLayout) {
    EXPECT_EQ(homelines::firstColumn(2, 4), 2);
    EXPECT_EQ(homelines::firstColumn(5, 4), 1);
    EXPECT_EQ(homelines::columnLeft(16, 1, 1, 160, 1024), 16);
    EXPECT_EQ(homelines::columnLeft(16, 3, 1, 160, 1024), 336);
    EXPECT_EQ(homelines::columnLeft(16, 3, 2, 160, 1024), 176);
    // Columns before the first one are parked beyond the right edge.
    EXPECT_EQ(homelines::columnLeft(16, 1, 2, 160, 1024), 1024);
}

}  // namespace
