#include "records/run_lists.h"

#include <gtest/gtest.h>

#include "results/result_log.h"

using namespace records;

namespace {

constexpr double kToday = 46364;                                   // 2026-12-08
constexpr double kNineOhFive = (9 * 3600 + 5 * 60 + 7) / 86400.0;  // 9:05:07

RunListRequest request(RunList list, RankingKind kind = RankingKind::Times) {
    RunListRequest r;
    r.list = list;
    r.kind = kind;
    r.levelCount = 4;
    r.today = kToday;
    r.currentStudentNo = 7;
    // Student 6 is no longer in the roster.
    r.students = {
        [](int s) {
            return s == 7 ? QStringLiteral("山田花子") : s == 6 ? QString() : QStringLiteral("林");
        },
        [](int s) { return s == 9 ? 8 : 5; }};
    r.passTime = [](int) { return 40; };
    return r;
}

// The lists' points rule (course/points) without a division by a pass time of 0.
TEST(RunPoints, RuleOfTheLists) {
    EXPECT_EQ(runPoints(20, 40), 11);
    EXPECT_EQ(runPoints(30, 0), 0);
}

TEST(RunLists, TodaysLayoutsFiltersAndBadRecords) {
    const std::vector<LogRun> runs{
        {kToday, kNineOhFive, 7, 2, 30}, {kToday, 0.5, 8, 2, 99999}, {kToday - 1, 0.5, 8, 2, 25},
        {kToday, 0.5, 9, 2, 1234567},    {kToday, 0.5, 8, 5, 30},    {kToday, 0.5, 8, 0, 30},
        {kToday, 0.5, -3, 1, 30},        {kToday, 0.5, 6000, 1, 30},
    };
    auto r = request(RunList::Today);
    const auto lines = runListLines(runs, r);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], (QStringList{QStringLiteral("  30秒 09:05●山田花子　●5"),
                                     QStringLiteral("　　× 12:00⑤林　　　　⑤"),
                                     QStringLiteral("　　× 12:00Ⅱ林　　　　Ⅱ")}));
    EXPECT_TRUE(lines[1].isEmpty());  // level 5 and 0, students -3 and 6000 left out

    r.inGradeGroup = [](int s) { return s != 9; };
    EXPECT_EQ(runListLines(runs, r)[2].size(), 2);
}

TEST(RunLists, AllRunsBothKindsAndLookBack) {
    const std::vector<LogRun> runs{{kToday - 3, 0.5, 7, 1, 41},
                                   {kToday - 3649, 0.5, 8, 1, 20},
                                   {kToday - 3650, 0.5, 8, 1, 20},
                                   {kToday, 0.5, 8, 1, 99998},
                                   {kToday, 0.5, 6, 1, 1234}};
    EXPECT_EQ(runListLines(runs, request(RunList::All))[1],
              (QStringList{QStringLiteral("  41秒 12/05●山田花子　●4"),
                           QStringLiteral("  20秒 12/11⑤林　　　　⑤11"),
                           QStringLiteral("　　× 12/08⑤林　　　　⑤"),
                           QStringLiteral("1234秒 12/08⑤　　　　　⑤0")}));
    const QStringList byPoints = runListLines(runs, request(RunList::All, RankingKind::Points))[1];
    EXPECT_EQ(byPoints.mid(0, 2), (QStringList{QStringLiteral("    4 12/05●山田花子　●41秒"),
                                               QStringLiteral("   11 12/11⑤林　　　　⑤20秒")}));
    EXPECT_EQ(byPoints.last(), QStringLiteral("    0 12/08⑤　　　　　⑤1234秒"));
}

TEST(RunLists, OwnRunsWithDateAndClock) {
    const std::vector<LogRun> runs{
        {kToday, kNineOhFive, 7, 3, 30}, {kToday, 0.75, 7, 3, 99999}, {kToday, 0.75, 8, 3, 20}};
    EXPECT_EQ(runListLines(runs, request(RunList::Own))[3],
              (QStringList{QStringLiteral("2026/12/08 9:05:07  30秒"),
                           QStringLiteral("2026/12/08 18:00:00")}));
}

// Today's list reads the last 1000 records; a torn record at the end is ignored.
TEST(RunLists, LogTailWindowAndTornRecord) {
    QByteArray bytes;
    for (int k = 1; k <= 1001; ++k) {
        ResultRecord rec;
        rec.date = kToday;
        rec.studentNo = 8;
        rec.level = 1;
        rec.time = k;
        bytes += rec.toBytes();
    }
    bytes += QByteArray(20, '\1');
    const auto runs = decodeLogTail(bytes, runListWindow(RunList::Today));
    ASSERT_EQ(runs.size(), 1000u);
    EXPECT_EQ(runs.front().time, 2);
    EXPECT_EQ(runs.back().time, 1001);
    EXPECT_EQ(decodeLogTail(bytes, runListWindow(RunList::All)).size(), 1001u);
}

}  // namespace
