#include "home/home_lines.h"

#include <gtest/gtest.h>

#include <memory>

#include "course/today_total.h"
#include "records/chart_students.h"
#include "results/statistics.h"
#include "state/course.h"

namespace {

TEST(HomeLines, TargetsOfALevel) {
    LevelTarget t;
    t.passTime = 30;
    t.clearPoints = 40;
    t.clearCount = 3;
    t.pointWeight = 2;
    t.clearWindowDays = 7;
    EXPECT_EQ(homelines::targetsLine(t), QStringLiteral("目標=30秒 3回/40点(×2)"));
    t.clearPoints = 9999;
    EXPECT_EQ(homelines::targetsLine(t), QStringLiteral("目標=30秒 --------"));

    auto stats = std::make_unique<ResultsTables>();
    stats->clearWindowCount(2, 5) = 4;
    stats->clearWindowPoints(2, 5) = 61;
    EXPECT_EQ(homelines::clearWindowLine(t, *stats, 2, 5), QStringLiteral("最近7日=4回 / 61点"));
}

TEST(HomeLines, FiguresOfTheStudent) {
    auto stats = std::make_unique<ResultsTables>();
    EXPECT_EQ(homelines::allTimeLine(*stats, 1, 5), QStringLiteral("------"));
    EXPECT_EQ(homelines::todayLine(*stats, 1, 5), QStringLiteral("-----"));
    stats->attempts(1, 5) = 3;
    stats->totalPoints(1, 5) = 45;
    stats->todayCount(1, 5) = 1;
    stats->todayPoints(1, 5) = 15;
    stats->todayCount(2, 5) = 2;
    stats->todayCount(3, 5) = 4;  // beyond the course of 2 levels
    EXPECT_EQ(homelines::allTimeLine(*stats, 1, 5), QStringLiteral("3回/45点"));
    EXPECT_EQ(homelines::todayLine(*stats, 1, 5), QStringLiteral("1回/15点"));
    // Each screen adds up its own range of levels.
    const auto countAt = [&](int level) { return stats->todayCount(level, 5); };
    using course::TodayTotal;
    EXPECT_EQ(homelines::todayTotalLine(course::todayTotal(TodayTotal::HomeScreen, 2, countAt)),
              QStringLiteral("本日総回数＝3回"));
    stats->todayCount(16, 5) = 8;
    EXPECT_EQ(course::todayTotal(TodayTotal::DrillScreen, 2, countAt), 7);
    EXPECT_EQ(course::todayTotal(TodayTotal::EndScreen, 2, countAt), 15);
}

TEST(HomeLines, StudentAndClassroomLabels) {
    EXPECT_EQ(homelines::studentLine(QStringLiteral("小2"), QStringLiteral("山田花子        ")),
              QStringLiteral("小2 山田花子"));
    EXPECT_EQ(homelines::classroomLine(QStringLiteral("さくら教室"), 12),
              QStringLiteral("さくら教室:12"));
    EXPECT_EQ(homelines::signInLine(7), QStringLiteral("起動後7分"));
    EXPECT_EQ(records::studentListLine(QStringLiteral("小１"),
                                       QStringLiteral("山田花子                "), 12),
              QStringLiteral("小１ /  山田花子/12"));
    EXPECT_EQ(records::studentListLine(QString(), QStringLiteral("大人"), 3),
              QStringLiteral(" /  大人/3"));
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
