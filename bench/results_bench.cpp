// Rebuilding the statistics from a full results log, and appending one result.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/program.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/session.h"
#include "state/settings.h"

namespace {

void setUpFolders(const QTemporaryDir& dir) {
    state::resetRunState();
    QDir(dir.path()).mkpath(QStringLiteral("drill"));
    state::settingsAtStartUp().baseFolder = dir.path() + QStringLiteral("/");
    state::settingsAtStartUp().dataFolder = dir.path() + QStringLiteral("/drill/");
    state::settingsAtStartUp().classroomCode = QStringLiteral("K01");
    for (int level = 1; level <= 4; ++level) {
        LevelTarget& t = state::course().levelTargets[level];
        t.passTime = 30 + 10 * level;
        t.secondTime = 2 * t.passTime;
        t.pointWeight = level;
        t.clearWindowDays = 30;
        t.freeWindowDays = 7;
    }
}

// A log of `count` records over the last 60 days: 300 students, levels 1..4.
void writeLog(int count) {
    std::mt19937 gen(42);
    const double today = platform::dayCountFromDate(platform::today());
    QByteArray bytes;
    bytes.reserve(count * kResultRecordSize);
    for (int k = 0; k < count; ++k) {
        ResultRecord r;
        r.date = today - static_cast<double>(gen() % 60);
        r.timeOfDay = static_cast<double>(gen() % 86400) / 86400.0;
        r.studentNo = static_cast<qint16>(1 + gen() % 300);
        r.level = static_cast<qint16>(1 + gen() % 4);
        r.time = gen() % 20 == 0 ? course::kNoRecord : static_cast<qint32>(15 + gen() % 200);
        r.classroom = state::settingsAtStartUp().classroomCode;
        bytes += r.toBytes();
    }
    QFile f(resultLogPath());
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

void BM_BuildStatistics20000(benchmark::State& state) {
    QTemporaryDir dir;
    setUpFolders(dir);
    writeLog(kMaxRecords);
    ResultsTables tables;
    for (auto _ : state) {
        buildStatistics(tables);
        benchmark::DoNotOptimize(tables.totalPoints(1, 1));
    }
    if (platform::programEnding() || tables.recordCount != kMaxRecords)
        state.SkipWithError("the log was not read");
}
BENCHMARK(BM_BuildStatistics20000)->Unit(benchmark::kMillisecond);

// One append under the whole-file lock, synced to disk; `home` adds the home-use copy.
void BM_AppendResult(benchmark::State& state) {
    QTemporaryDir dir;
    setUpFolders(dir);
    const FinishedRun run{static_cast<qint16>(state.range(0) ? 12 : 4950), 2, 47};
    for (auto _ : state) appendResult(run);
}
BENCHMARK(BM_AppendResult)->Arg(0)->Arg(1)->ArgName("home")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
