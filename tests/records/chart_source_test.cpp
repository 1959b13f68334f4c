#include "records/chart_source.h"

#include <gtest/gtest.h>

#include <QScopeGuard>

#include "results/statistics.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/session.h"

namespace {

// Three students at level 33 of a 35-level course: 山田花子 (6) ahead of 山田 (5), whose name
// hers contains; 佐藤 (7, fifth grade) without a record.
class ChartRanksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        state::resetRunState();
        state::course().levelCount = kMaxLevel;
        state::roster().currentSchoolYear = 2026;
        const struct {
            int no;
            const char* name;
            int birthYear;
        } roster[] = {{5, "山田", 2018}, {6, "山田花子", 2018}, {7, "佐藤", 2015}};
        for (const auto& s : roster) {
            ++state::roster().count;
            state::roster().lineStudentNo[state::roster().count] = static_cast<qint16>(s.no);
            state::roster().studentNames[s.no] = QString::fromUtf8(s.name).leftJustified(20, u' ');
            state::roster().studentBirthYears[s.no] = static_cast<qint16>(s.birthYear);
        }
        ResultsTables& t = tables;
        t.bestTime(kLevel, 6) = 20;
        t.totalPoints(kLevel, 6) = 90;
        t.bestTime(kLevel, 5) = 30;
        t.totalPoints(kLevel, 5) = 40;
    }
    void TearDown() override { state::resetRunState(); }
    static constexpr int kLevel = 33;
    ResultsTables tables;
};

TEST_F(ChartRanksTest, RowsFoundByStudentNumber) {
    const CardRanks ranks = chartCardRanks(tables, kLevel, 5, ChartChoice{});
    EXPECT_EQ(ranks.timeRank, QStringLiteral("  2"));
    EXPECT_EQ(ranks.pointsRank, QStringLiteral("  2"));
    EXPECT_EQ(ranks.points, 40);
    // The points average counts the students with more than 0 points.
    EXPECT_EQ(ranks.pointsSum, 130);
    EXPECT_EQ(ranks.pointsCount, 2);

    const CardRanks none = chartCardRanks(tables, kLevel, 7, ChartChoice{});
    EXPECT_EQ(none.timeRank, QStringLiteral("---"));
    EXPECT_EQ(none.pointsRank, QStringLiteral("---"));
    EXPECT_EQ(none.points, 0);
}

TEST_F(ChartRanksTest, RowHiddenByTheGradeGroupShowsNoRank) {
    // Fifth-graders only: the rows of 山田 are hidden; among second-graders he is 2nd.
    ChartChoice choice;
    choice.gradeGroup = QStringLiteral("小５");
    const CardRanks hidden = chartCardRanks(tables, kLevel, 5, choice);
    EXPECT_EQ(hidden.timeRank, QStringLiteral("---"));
    EXPECT_EQ(hidden.pointsRank, QStringLiteral("---"));
    EXPECT_EQ(hidden.points, 0);
    EXPECT_EQ(hidden.pointsCount, 0);  // the listed fifth-grader has no points

    choice.gradeGroup = QStringLiteral("小２");
    EXPECT_EQ(chartCardRanks(tables, kLevel, 5, choice).timeRank, QStringLiteral("  2"));
}

}  // namespace
