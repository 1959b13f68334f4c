#include "results/statistics.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <algorithm>
#include <random>

#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/record_file.h"
#include "results/rank_sort.h"
#include "results/result_log.h"
#include "state/course.h"
#include "state/settings.h"
#include "support/core_fixture.h"

namespace {

constexpr double kToday = 46364;  // 2026-12-08, the fixture's date

struct Rec {
    double date;
    int student;
    int level;
    int time;
};

class StatisticsTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        for (int level = 1; level <= 4; ++level) {
            LevelTarget& t = state::course().levelTargets[level];
            t.passTime = 40;
            t.secondTime = 80;
            t.pointWeight = 1;
            t.clearWindowDays = 7;
            t.freeWindowDays = 3;
        }
    }

    void writeLog(const std::vector<Rec>& recs) {
        QByteArray bytes;
        bytes.reserve(static_cast<qsizetype>(recs.size()) * kResultRecordSize);
        for (const Rec& r : recs) {
            ResultRecord rec;
            rec.date = r.date;
            rec.timeOfDay = 0.5;
            rec.studentNo = static_cast<qint16>(r.student);
            rec.level = static_cast<qint16>(r.level);
            rec.time = r.time;
            rec.classroom = QStringLiteral("K1");
            bytes += rec.toBytes();
        }
        QFile f(resultLogPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    ResultsTables& tb = parts.tables;
};

TEST_F(StatisticsTest, OnlyTheLast20000RecordsAreLoaded) {
    std::vector<Rec> recs;
    for (int k = 1; k <= 20001; ++k) recs.push_back({kToday, 1 + k % 50, 1, k});
    writeLog(recs);
    loadResults(parts.tables);
    EXPECT_EQ(tb.recordCount, 20000);
    EXPECT_EQ(tb.records[1].time, 2);
    EXPECT_EQ(tb.records[20000].time, 20001);
    // Record 1 (time 1, student 2) is outside the window and is no best time.
    EXPECT_EQ(tb.bestTime(1, 2), 51);

    recs.pop_back();
    writeLog(recs);
    loadResults(parts.tables);
    EXPECT_EQ(tb.recordCount, 20000);
    EXPECT_EQ(tb.records[1].time, 1);
    EXPECT_EQ(tb.bestTime(1, 2), 1);
    EXPECT_EQ(tb.levelBestTime(1), 1);
    EXPECT_FALSE(ended());
}

TEST_F(StatisticsTest, BadEntriesAreDroppedButStillCountAsBestTimes) {
    writeLog({
        {kToday, 7, 2, 300},
        {kToday, 0, 2, 5},  // student 0: lowers the index-0 best, then dropped
        {-1, 8, 2, 6},      // negative date: best time kept, entry dropped
        {kToday, 9, 0, 7},  // level 0: dropped
        {kToday, 10, 2, 400},
    });
    // A torn tail (a record cut short) is not a record.
    QFile f(resultLogPath());
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(QByteArray(20, '\x01'));
    f.close();

    loadResults(parts.tables);
    ASSERT_EQ(tb.recordCount, 2);
    EXPECT_EQ(tb.records[1].studentNo, 7);
    EXPECT_EQ(tb.records[2].studentNo, 10);
    EXPECT_EQ(tb.records[2].time, 400);
    EXPECT_EQ(tb.bestTime(2, 0), 5);
    EXPECT_EQ(tb.bestTime(2, 8), 6);
    EXPECT_EQ(tb.bestTime(0, 9), 7);
    EXPECT_EQ(tb.bestTime(2, 7), 300);
    EXPECT_EQ(tb.bestTime(3, 7), course::kNoRecord);
    // The level best looks at students 1..5000 only.
    EXPECT_EQ(tb.levelBestTime(2), 6);
    EXPECT_EQ(tb.levelBestTime(3), course::kNoRecord);
    EXPECT_FALSE(ended());
}

TEST_F(StatisticsTest, FiguresPerStudentAndLevel) {
    state::course().levelTargets[1].passTime = 1000;
    state::course().levelTargets[2].pointWeight = 3;
    state::course().levelTargets[3].pointWeight = 0;
    writeLog({
        {kToday, 5, 1, 500},     // 0.5^3*50+5 = 11
        {kToday, 5, 1, 5999},    // completed, 1 point
        {kToday, 5, 1, 6000},    // not completed, still 1 point
        {kToday, 5, 1, 99999},   // ran out of time: nothing
        {kToday - 1, 5, 2, 20},  // 11 x 3
        {kToday - 5, 5, 2, 40},  // 5 x 3, clear window only
        {kToday - 7, 5, 2, 0},   // 55 x 3, outside both windows
        {kToday, 6, 3, 0},       // weight 0
    });
    clock.setNow(QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0)));
    buildStatistics(parts.tables);
    ASSERT_FALSE(ended());

    EXPECT_EQ(tb.attempts(1, 5), 2);
    EXPECT_EQ(tb.totalPoints(1, 5), 13);
    EXPECT_EQ(tb.todayCount(1, 5), 2.0f);
    EXPECT_EQ(tb.todayPoints(1, 5), 13);
    EXPECT_EQ(tb.clearWindowCount(1, 5), 2);
    EXPECT_EQ(tb.clearWindowPoints(1, 5), 13);
    EXPECT_EQ(tb.bestTime(1, 5), 500);

    EXPECT_EQ(tb.attempts(2, 5), 3);
    EXPECT_EQ(tb.totalPoints(2, 5), 33 + 15 + 165);
    EXPECT_EQ(tb.clearWindowCount(2, 5), 2);
    EXPECT_EQ(tb.clearWindowPoints(2, 5), 48);
    EXPECT_EQ(tb.freeWindowCount(2, 5), 1);
    EXPECT_EQ(tb.freeWindowPoints(2, 5), 33);
    EXPECT_EQ(tb.todayCount(2, 5), 0.0f);
    EXPECT_EQ(tb.todayPoints(2, 5), 0);

    EXPECT_EQ(tb.attempts(3, 6), 1);
    EXPECT_EQ(tb.totalPoints(3, 6), 0);

    // A second build starts again from zero.
    buildStatistics(parts.tables);
    EXPECT_EQ(tb.attempts(2, 5), 3);
    EXPECT_EQ(tb.totalPoints(2, 5), 213);
}

// Runs that left the log (another machine rewrote it) leave no figures after the next
// build, whatever the student's number; the cells are read without the accessors, which
// would mark the student in use themselves.
TEST_F(StatisticsTest, ARebuildLeavesNothingOfRunsNoLongerInTheLog) {
    tb = ResultsTables();
    writeLog({{kToday, 4999, 1, 30}, {kToday, 2, 1, 30}});
    buildStatistics(parts.tables);
    writeLog({{kToday, 2, 1, 50}});
    buildStatistics(parts.tables);
    const ResultsTables& after = tb;
    const int gone = ResultsTables::at(1, 4999);
    EXPECT_EQ(after.attempts_[gone], 0);
    EXPECT_EQ(after.totalPoints_[gone], 0);
    EXPECT_EQ(after.todayCount_[gone], 0.0f);
    EXPECT_EQ(after.clearWindowPoints_[gone], 0);
    EXPECT_EQ(after.bestTime_[gone], course::kNoRecord);
    EXPECT_EQ(after.bestTime_[ResultsTables::at(1, 2)], 50);
    EXPECT_EQ(after.attempts_[ResultsTables::at(1, 2)], 1);
}

TEST_F(StatisticsTest, WindowsOfOneAndZeroDays) {
    state::course().levelTargets[1].clearWindowDays = 1;
    state::course().levelTargets[1].freeWindowDays = 0;
    writeLog({{kToday, 5, 1, 40}, {kToday - 1, 5, 1, 40}});
    for (const QTime t : {QTime(0, 0, 1), QTime(23, 59, 59)}) {
        clock.setNow(QDateTime(QDate(2026, 12, 8), t));
        buildStatistics(parts.tables);
        EXPECT_EQ(tb.clearWindowCount(1, 5), 1) << t.toString().toStdString();
        EXPECT_EQ(tb.clearWindowPoints(1, 5), 5);
        EXPECT_EQ(tb.freeWindowCount(1, 5), 0);
        EXPECT_EQ(tb.freeWindowPoints(1, 5), 0);
        EXPECT_EQ(tb.todayCount(1, 5), 1.0f);
        EXPECT_EQ(tb.attempts(1, 5), 2);
    }
    // At midnight exactly even a one-day window is empty; the next day, today is empty.
    clock.setNow(QDateTime(QDate(2026, 12, 9), QTime(0, 0, 0)));
    buildStatistics(parts.tables);
    EXPECT_EQ(tb.clearWindowCount(1, 5), 0);
    EXPECT_EQ(tb.todayCount(1, 5), 0.0f);
    EXPECT_EQ(tb.todayPoints(1, 5), 0);
}

TEST_F(StatisticsTest, APassTimeOfZeroOnAUsedLevelIsReported) {
    state::course().levelTargets[2].passTime = 0;
    state::course().levelTargets[9].passTime = 0;  // unused: no harm
    writeLog({{kToday, 5, 1, 40}});
    EXPECT_NO_THROW(buildStatistics(parts.tables));
    writeLog({{kToday, 5, 1, 40}, {kToday, 5, 2, 40}});
    try {
        buildStatistics(parts.tables);
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::errDivisionByZero);
        EXPECT_EQ(e.file(),
                  state::settingsAtStartUp().dataFolder + QStringLiteral("タイム回数データ.txt"));
        EXPECT_TRUE(e.detail().contains(QStringLiteral("level 2"))) << e.what();
    }
}

TEST_F(StatisticsTest, AMissingLogIsRetriedThenReportedAndEndsTheProgram) {
    tb.recordCount = -5;
    buildStatistics(parts.tables);
    EXPECT_EQ(waits, (std::vector<int>{5000, 5000, 5000, 5000}));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("ファイルがありません")));
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral(" 53")));
    EXPECT_TRUE(boxes.shown[0].text.contains(resultLogPath()));
    EXPECT_EQ(endCodes.size(), 1u);
    EXPECT_EQ(tb.recordCount, -5);
}

TEST_F(StatisticsTest, ALogThatAppearsDuringTheRetriesIsRead) {
    onWait = [this](int) {
        if (waits.size() == 3) writeLog({{kToday, 5, 1, 40}});
    };
    buildStatistics(parts.tables);
    EXPECT_EQ(waits.size(), 3u);
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_FALSE(ended());
    EXPECT_EQ(tb.attempts(1, 5), 1);
}

TEST_F(StatisticsTest, AnEntryOutsideTheTablesEndsTheProgramWithAMessage) {
    // The folder as the settings build it, through "..": the message names it cleaned.
    ASSERT_TRUE(QDir().mkpath(tmp.path() + QStringLiteral("/sub")));
    state::settingsAtStartUp().dataFolder = tmp.path() + QStringLiteral("/sub/../");
    for (const Rec bad : {Rec{kToday, 5, 40, 33}, Rec{kToday, 5, -3, 33}, Rec{kToday, 5001, 1, 33},
                          Rec{kToday, -1, 1, 33}}) {
        boxes.shown.clear();
        endCodes.clear();
        platform::resetProgramEnding();
        writeLog({{kToday, 5, 1, 40}, bad, {kToday, 6, 1, 40}});
        buildStatistics(parts.tables);
        ASSERT_EQ(boxes.shown.size(), 1);
        const QString text = boxes.shown[0].text;
        EXPECT_TRUE(text.startsWith(QStringLiteral("成績ランダムファイル表示")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("/i=2/"))) << text.toStdString();
        EXPECT_TRUE(text.contains(
            QStringLiteral("/Bangou=%1/level=%2/time=33").arg(bad.student).arg(bad.level)))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("/name=K1"))) << text.toStdString();
        EXPECT_TRUE(text.contains(
            QDir::toNativeSeparators(tmp.path() + QStringLiteral("/成績累積データ.dat"))))
            << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral(".."))) << text.toStdString();
        EXPECT_EQ(endCodes.size(), 1u);
        // The statistics were left alone after the end.
        EXPECT_EQ(tb.attempts(1, 5), 0);
    }
}

TEST_F(StatisticsTest, AnUnreadableLogEndsTheProgramWithAMessage) {
    QFile blocker(tmp.path() + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    state::settingsAtStartUp().dataFolder = tmp.path() + QStringLiteral("/blocker/");
    buildStatistics(parts.tables);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("成績ランダムファイル表示")));
    EXPECT_TRUE(boxes.shown[0].text.contains(resultLogPath()));
    EXPECT_TRUE(waits.empty());
    EXPECT_EQ(endCodes.size(), 1u);
}

TEST_F(StatisticsTest, ALockedLogIsWaitedForWithTheWaitShown) {
    writeLog({{kToday, 5, 1, 40}});
    int shown = 0, closed = 0;
    const LockedLogWait wait{[&] { ++shown; }, [&] { ++closed; }};
    auto holder = std::make_unique<platform::RecordFile>(resultLogPath(),
                                                         platform::RecordFile::Access::Append);
    holder->lockExclusive();
    onWait = [&](int) {
        if (waits.size() == 3) holder.reset();
    };
    buildStatistics(parts.tables, wait);
    EXPECT_EQ(waits, (std::vector<int>{1000, 1000, 1000}));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(ended());
    EXPECT_EQ(tb.attempts(1, 5), 1);
}

TEST_F(StatisticsTest, TheLockWaitStopsWhenTheProgramEnds) {
    writeLog({{kToday, 5, 1, 40}});
    int closed = 0;
    platform::RecordFile holder(resultLogPath(), platform::RecordFile::Access::Append);
    holder.lockExclusive();
    onWait = [&](int) {
        if (waits.size() == 2) platform::endProgram();
    };
    tb.recordCount = -5;
    buildStatistics(parts.tables, {{}, [&] { ++closed; }});
    EXPECT_EQ(waits.size(), 2u);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(tb.recordCount, -5);
}

TEST(RankSort, SortsKeysAndCarriesThePayload) {
    std::vector<qint32> keys{0, 3, 1, 2};
    std::vector<QString> names{"", "c", "a", "b"};
    rankSort(3, keys, names);
    EXPECT_EQ(keys, (std::vector<qint32>{0, 1, 2, 3}));
    EXPECT_EQ(names, (std::vector<QString>{"", "a", "b", "c"}));

    // Equal keys: the right half's item goes first at every merge.
    std::vector<qint32> same{0, 5, 5, 5, 5, 9};
    std::vector<int> order{0, 1, 2, 3, 4, 5};
    rankSort(4, same, order);
    EXPECT_EQ(order, (std::vector<int>{0, 4, 3, 2, 1, 5}));
    std::vector<qint32> two{0, 7, 7, 1};
    std::vector<int> twoOrder{0, 1, 2, 3};
    rankSort(3, two, twoOrder);  // (1,2) merge to (2,1), then 3 (key 1) first
    EXPECT_EQ(twoOrder, (std::vector<int>{0, 3, 2, 1}));

    // Larger lists: sorted, and every payload stays with its key.
    std::mt19937 gen(7);
    for (int n : {1, 2, 17, 1000}) {
        std::vector<qint32> k(n + 1);
        std::vector<qint32> p(n + 1);
        for (int i = 1; i <= n; ++i) {
            k[i] = static_cast<qint32>(gen() % 50);
            p[i] = k[i] * 10000 + i;
        }
        rankSort(n, k, p);
        EXPECT_TRUE(std::is_sorted(k.begin() + 1, k.end()));
        for (int i = 1; i <= n; ++i) EXPECT_EQ(p[i] / 10000, k[i]);
    }
    std::vector<qint32> shortKeys{0, 1};
    std::vector<int> shortPayload{0, 1};
    EXPECT_THROW(rankSort(2, shortKeys, shortPayload), platform::RuntimeError);
}

}  // namespace
