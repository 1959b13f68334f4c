// The home screen's record lists with a 20000-record log, a roster view of 2000 students and
// 35 levels: the run lists (log read, lines built, 35 lists filled), the best-time and the
// points rankings of every level, and the resident memory after loops over every list kind.
//
//   QT_QPA_PLATFORM=offscreen records_bench --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <random>

#include "bench_support.h"
#include "home/record_list_view_gui.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "records/rankings.h"
#include "records/run_lists.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/session.h"
#include "state/settings.h"

namespace {

constexpr int kLevels = 35;
constexpr int kStudents = 2000;
constexpr int kRecords = 20000;

std::vector<std::unique_ptr<RecordListView>>& lists() {
    static std::vector<std::unique_ptr<RecordListView>> l;
    return l;
}

// The signed-in student.
constexpr int kStudent = 17;

// The statistics the benchmarks read, built once by setUp.
ResultsTables& tables() {
    static ResultsTables built;
    return built;
}

void setUp(const QString& folder) {
    state::settingsAtStartUp().dataFolder = folder + QStringLiteral("/");
    state::course().levelCount = kLevels;
    state::roster().currentSchoolYear = 2026;
    state::roster().count = kStudents;
    for (int level = 1; level <= kLevels; ++level) {
        state::course().levelNames[level] = QStringLiteral("レベル%1").arg(level);
        state::course().timedLevel[level] = 1;
        state::course().levelTargets[level].passTime = 40;
        state::course().levelTargets[level].pointWeight = 1;
        state::course().levelTargets[level].clearWindowDays = 7;
    }
    for (int s = 1; s <= kStudents; ++s) {
        state::roster().lineStudentNo[s] = static_cast<qint16>(s);
        state::roster().studentNames[s] = QStringLiteral("生徒%1").arg(s);
        state::roster().studentBirthYears[s] = static_cast<qint16>(2008 + s % 12);
    }

    // 20000 runs over the last 200 days, the last 1000 today.
    std::mt19937 random(1);
    const double today = platform::dayCountFromDate(QDate::currentDate());
    QByteArray log;
    for (int i = 0; i < kRecords; ++i) {
        ResultRecord r;
        r.date = i >= kRecords - 1000 ? today : today - 200 + i / 100;
        r.timeOfDay = (i % 86400) / 86400.0;
        r.studentNo = static_cast<qint16>(1 + random() % kStudents);
        r.level = static_cast<qint16>(1 + random() % kLevels);
        r.time = random() % 50 == 0 ? 99999 : static_cast<qint32>(15 + random() % 100);
        log += r.toBytes();
    }
    QFile f(resultLogPath());
    f.open(QIODevice::WriteOnly);
    f.write(log);
    f.close();
    buildStatistics(tables());

    for (int level = 0; level <= kLevels; ++level)
        lists().push_back(std::make_unique<RecordListView>(nullptr));
}

void fill(const std::vector<QStringList>& lines) {
    for (int level = 1; level <= kLevels; ++level) {
        lists()[level]->setLines(lines[static_cast<size_t>(level)]);
    }
}

void runList(records::RunList kind) {
    QByteArray bytes;
    readResultLog(&bytes);
    const auto runs = records::decodeLogTail(bytes, records::runListWindow(kind));
    records::RunListRequest request;
    request.list = kind;
    request.levelCount = kLevels;
    request.today = platform::dayCountFromDate(platform::clock().now().date());
    request.currentStudentNo = kStudent;
    request.inGradeGroup = records::gradeGroupPredicate(QStringLiteral("全学年"));
    request.students = records::sharedStudents();
    request.passTime = [](int level) { return state::course().levelTargets[level].passTime; };
    fill(records::runListLines(runs, request));
}

void rankings(records::RankingKind kind, records::PointsOrder order) {
    std::vector<QStringList> lines(kLevels + 1);
    for (int level = 1; level <= kLevels; ++level) {
        const auto rows = records::buildRanking(
            tables(), {level, kind, order, records::sharedRosterView(),
                       records::gradeGroupPredicate(QStringLiteral("全学年")), kStudent});
        lines[level] = records::rankingLines(rows, kind, records::sharedStudents());
    }
    fill(lines);
}

void BM_TodaysRuns(benchmark::State& state) {
    for (auto _ : state) runList(records::RunList::Today);
}
void BM_AllRuns(benchmark::State& state) {
    for (auto _ : state) runList(records::RunList::All);
}
void BM_OwnRuns(benchmark::State& state) {
    for (auto _ : state) runList(records::RunList::Own);
}
void BM_BestTimeRankings(benchmark::State& state) {
    for (auto _ : state) rankings(records::RankingKind::Times, records::PointsOrder::AllTime);
}
void BM_PointsRankings(benchmark::State& state) {
    for (auto _ : state) rankings(records::RankingKind::Points, records::PointsOrder::AllTime);
}
BENCHMARK(BM_TodaysRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OwnRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BestTimeRankings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointsRankings)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    setUp(dir.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // Every list kind, 50 times over.
    for (int loop = 0; loop < 50; ++loop) {
        runList(records::RunList::Today);
        runList(records::RunList::All);
        runList(records::RunList::Own);
        rankings(records::RankingKind::Times, records::PointsOrder::AllTime);
        rankings(records::RankingKind::Points, records::PointsOrder::AllTime);
        rankings(records::RankingKind::Points, records::PointsOrder::Today);
    }
    std::printf("resident memory after 50 loops of every list kind: %.1f MB\n",
                bench::residentKb() / 1024.0);
    return 0;
}
