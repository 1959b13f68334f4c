#include "records/rankings.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "results/rank_sort.h"
#include "results/statistics.h"

using namespace records;

namespace {

// Students 11..15 at level 2; grade codes: 11, 12 → 5 (小５), the others 8 (中２).
class RankingsTest : public ::testing::Test {
  protected:
    void set(int s, qint32 best, qint32 all = 0, qint32 today = 0) {
        stats->bestTime(2, s) = best;
        stats->totalPoints(2, s) = all;
        stats->todayPoints(2, s) = today;
    }
    std::vector<RankingRow> rank(RankingKind kind, PointsOrder order = PointsOrder::AllTime,
                                 std::function<bool(int)> group = {}) {
        return buildRanking(*stats, {2, kind, order, roster, std::move(group), 13});
    }
    QStringList lines(const std::vector<RankingRow>& rows, RankingKind kind) {
        return rankingLines(
            rows, kind,
            {[](int s) { return QStringLiteral("生徒%1").arg(s).leftJustified(20); },
             [](int s) { return s <= 12 ? 5 : 8; }});
    }
    static std::vector<int> order(const std::vector<RankingRow>& rows) {
        std::vector<int> out;
        for (const RankingRow& r : rows) out.push_back(r.studentNo * 100 + r.rank);
        return out;
    }

    std::unique_ptr<ResultsTables> stats = std::make_unique<ResultsTables>();
    std::vector<qint16> roster{11, 12, 13, 14, 15};
};

TEST_F(RankingsTest, TimesRankTiesInRosterOrderFailedAndMissingLast) {
    set(11, 41);
    set(12, 30);
    set(13, 99998);
    set(15, 30);  // 14 has no record
    const auto rows = rank(RankingKind::Times);
    EXPECT_EQ(order(rows), (std::vector<int>{1201, 1501, 1103, 1304, 1405}));
    EXPECT_EQ(
        lines(rows, RankingKind::Times),
        (QStringList{QStringLiteral(" 1⑤生徒12　    30 　"), QStringLiteral(" 1Ⅱ生徒15　    30 　"),
                     QStringLiteral(" 3⑤生徒11　    41 　"), QStringLiteral(" 4●生徒13　*失敗* ●"),
                     QStringLiteral("--Ⅱ生徒14　------ 　")}));
    EXPECT_EQ(rankText3(rows[0]), QStringLiteral("  1"));
    EXPECT_EQ(rankText3(rows[4]), QStringLiteral("---"));
}

TEST_F(RankingsTest, GradeGroupHidesRowsButRanksCountThem) {
    set(11, 20);
    set(12, 25);
    set(14, 30);
    const auto rows = rank(RankingKind::Times, PointsOrder::AllTime,
                           [](int s) { return s > 12; });  // 中学生 only
    const QStringList shown = lines(rows, RankingKind::Times);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral(" 3Ⅱ生徒14")));
    EXPECT_TRUE(shown[1].startsWith(QStringLiteral("--●生徒13")));
}

TEST_F(RankingsTest, PointsOrdersAndTodaysZeroFilter) {
    set(11, 30, 50, 5);
    set(12, 30, 1100, 0);  // A >= 1000 sorts like one more point today
    set(13, 30, 60, 0);
    set(14, 30, 50, 1);
    set(15, 30, 123456, 1);
    // All-time: descending A, then B; equal A share the rank.
    auto rows = rank(RankingKind::Points, PointsOrder::AllTime);
    EXPECT_EQ(order(rows), (std::vector<int>{1501, 1202, 1303, 1104, 1404}));
    EXPECT_EQ(lines(rows, RankingKind::Points)[0], QStringLiteral(" 1Ⅱ生徒15　  1/23456"));
    // Today: key 1000000 - 1000*B - A; 15 (A 123456) sorts above 11 (B 5), and 12 (B 0,
    // A 1100) above 14 (B 1): 12 takes a rank but is not listed.
    rows = rank(RankingKind::Points, PointsOrder::Today);
    EXPECT_EQ(order(rows), (std::vector<int>{1501, 1102, 1203, 1404, 1305}));
    EXPECT_EQ(
        lines(rows, RankingKind::Points),
        (QStringList{QStringLiteral(" 1Ⅱ生徒15　  1/23456"), QStringLiteral(" 2⑤生徒11　  5/   50"),
                     QStringLiteral(" 4Ⅱ生徒14　  1/   50")}));
}

TEST(RankingTexts, CutsAndPads) {
    EXPECT_EQ(rank2(7), QStringLiteral(" 7"));
    EXPECT_EQ(rank2(100), QStringLiteral("00"));
    EXPECT_EQ(rightAligned(QStringLiteral("1234"), 3), QStringLiteral("234"));
    EXPECT_EQ(name5r(QStringLiteral(" 山田花子太郎  ")), QStringLiteral(" 山田花子"));
    EXPECT_EQ(name5r(QStringLiteral("林")), QStringLiteral("林　　　　"));
    RankingRow row;
    row.rank = 100;
    row.bestTime = 12;
    EXPECT_EQ(rankText3(row), QStringLiteral("100"));
}

// One stable sort gives the order of two rankSort passes, on keys with many ties.
TEST(RankingSort, StableSortEqualsRankSortTwice) {
    std::mt19937 random(8);
    for (int round = 0; round < 200; ++round) {
        const int n = static_cast<int>(random() % 300);
        std::vector<qint32> keys(static_cast<size_t>(n) + 1);
        std::vector<int> payload(static_cast<size_t>(n) + 1);
        std::vector<qint64> stableKeys;
        for (int i = 1; i <= n; ++i) {
            keys[i] = static_cast<qint32>(random() % 12) * 1000 - 3000;
            payload[i] = i - 1;
            stableKeys.push_back(keys[i]);
        }
        rankSort(n, keys, payload);
        rankSort(n, keys, payload);
        const std::vector<int> stable = stableAscendingOrder(stableKeys);
        ASSERT_EQ(std::vector<int>(payload.begin() + 1, payload.end()), stable) << "n=" << n;
    }
}

}  // namespace
