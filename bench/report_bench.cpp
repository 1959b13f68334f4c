// The window "成績の記録" with a log of 20000 and of 400000 records (three students at
// levels 1-4, 300 runs a day up to today): from a student and a period chosen to the whole
// window painted, and from the window opened (the whole log read) to it painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "bench_support.h"
#include "platform/geometry.h"
#include "records/progress_report_gui.h"
#include "results/result_log.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/session.h"
#include "state/settings.h"

namespace {

void setUpFamily(const QTemporaryDir& dir) {
    state::resetRunState();
    QDir(dir.path()).mkpath(QStringLiteral("drill"));
    state::settingsAtStartUp().baseFolder = dir.path() + QStringLiteral("/");
    state::settingsAtStartUp().dataFolder = dir.path() + QStringLiteral("/drill/");
    state::settingsAtStartUp().schoolYearStartMonth = 4;
    state::settingsAtStartUp().classroomName = QStringLiteral("さくら教室");
    for (int level = 1; level <= kMaxLevel; ++level) {
        state::course().levelTargets[level].passTime = 30;
        state::course().levelTargets[level].secondTime = 60;
    }
    state::roster().count = 3;
    const QString names[] = {QStringLiteral("山田花子"), QStringLiteral("佐藤太郎"),
                             QStringLiteral("鈴木一郎")};
    for (int s = 1; s <= 3; ++s) {
        state::roster().lineStudentNo[s] = static_cast<qint16>(s);
        state::roster().studentNames[s] = names[s - 1];
    }
}

// args: records in the log, the period (this school year, or everything).
void BM_ReportWindowReady(benchmark::State& state) {
    QTemporaryDir dir;
    setUpFamily(dir);
    bench::writeLog(resultLogPath(), static_cast<int>(state.range(0)));
    QWidget owner;
    owner.resize(1024, 768);
    auto window = std::make_unique<ProgressReportWindow>(state::settings(), state::roster(),
                                                         state::course(), 1, &owner);
    window->show();
    auto* students = window->findChild<QComboBox*>(QStringLiteral("studentPicker"));
    auto* periods = window->findChild<QComboBox*>(QStringLiteral("periodPicker"));
    periods->setCurrentIndex(periods->findData(static_cast<int>(state.range(1))));
    int next = 0;
    for (auto _ : state) {
        next = (next + 1) % 3;
        students->setCurrentIndex(next);           // reads the log and lays the figures out
        benchmark::DoNotOptimize(window->grab());  // everything painted
    }
    window.reset();
    state.SetLabel(state.range(1) == static_cast<int>(records::ReportPeriod::All) ? "すべて"
                                                                                  : "今年度");
}
BENCHMARK(BM_ReportWindowReady)
    ->Args({20000, static_cast<int>(records::ReportPeriod::SchoolYear)})
    ->Args({400000, static_cast<int>(records::ReportPeriod::SchoolYear)})
    ->Args({400000, static_cast<int>(records::ReportPeriod::All)})
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The window opened (the whole log read) to everything painted, this school year.
void BM_ReportWindowOpened(benchmark::State& state) {
    QTemporaryDir dir;
    setUpFamily(dir);
    bench::writeLog(resultLogPath(), static_cast<int>(state.range(0)));
    QWidget owner;
    owner.resize(1024, 768);
    for (auto _ : state) {
        ProgressReportWindow window(state::settings(), state::roster(), state::course(), 1, &owner);
        auto* periods = window.findChild<QComboBox*>(QStringLiteral("periodPicker"));
        periods->setCurrentIndex(
            periods->findData(static_cast<int>(records::ReportPeriod::SchoolYear)));
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_ReportWindowOpened)
    ->Arg(20000)
    ->Arg(400000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
