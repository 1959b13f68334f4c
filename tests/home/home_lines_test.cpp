#include "home/home_lines.h"

#include <gtest/gtest.h>

#include <memory>

#include "records/chart_students.h"
#include "results/statistics.h"
#include "state/course.h"

namespace {

TEST(HomeLines, ExplanationLines) {
    const QStringList lines = homelines::explanationLines();
    ASSERT_EQ(lines.size(), 23);
    EXPECT_EQ(lines[0], QStringLiteral("①の指示で計算します"));
    EXPECT_EQ(lines[2],
              QString(QChar(0x3000)) + QStringLiteral("スペースキーで次のますへ移動できます"));
    EXPECT_EQ(lines[5], QString(2, QChar(0x3000)) + QStringLiteral("DELETEキー"));
    EXPECT_EQ(lines[20], QStringLiteral("　また判定ボタンをします"));
    EXPECT_TRUE(lines[21].isEmpty());
    EXPECT_EQ(lines[22], QStringLiteral("では、スタートボタンを押してはじめよう"));
    for (const QString& line : lines) EXPECT_FALSE(line.startsWith(u' ')) << line.toStdString();
}

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
    EXPECT_EQ(homelines::todayTotalLine(homelines::todayTotal(*stats, 2, 5)),
              QStringLiteral("本日総回数＝3回"));
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
