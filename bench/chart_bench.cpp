// The time charts with a 20000-record log: three cards drawn on the screen's chart area,
// and every level of one student (35 cards, 12 pages) printed to a PDF file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>
#include <random>

#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/geometry.h"
#include "platform/printer_gui.h"
#include "platform/program.h"
#include "records/chart_drawing_gui.h"
#include "records/chart_source.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/roster.h"
#include "state/session.h"
#include "state/settings.h"

namespace {

constexpr int kStudent = 1;
constexpr int kStudents = 300;

// 35 levels, a log of 20000 records over the last 60 days of 300 students; student 1 has
// about 60 runs at every level.
// The statistics the benchmarks read, built once by setUp.
ResultsTables& tables() {
    static ResultsTables built;
    return built;
}

bool setUp(const QTemporaryDir& dir) {
    state::resetRunState();
    QDir(dir.path()).mkpath(QStringLiteral("drill"));
    state::settingsAtStartUp().baseFolder = dir.path() + QStringLiteral("/");
    state::settingsAtStartUp().dataFolder = dir.path() + QStringLiteral("/drill/");
    state::settingsAtStartUp().drillTitle = QStringLiteral("ならびタッチ");
    state::course().levelCount = kMaxLevel;
    state::roster().currentSchoolYear = 2026;
    for (int level = 1; level <= kMaxLevel; ++level) {
        state::course().levelNames[level] = QStringLiteral("レベル%1").arg(level);
        LevelTarget& t = state::course().levelTargets[level];
        t.passTime = 30 + level;
        t.secondTime = 2 * t.passTime;
        t.pointWeight = 1;
        t.clearWindowDays = 30;
        t.freeWindowDays = 7;
    }
    state::roster().count = kStudents;
    for (int s = 1; s <= kStudents; ++s) {
        state::roster().lineStudentNo[s] = static_cast<qint16>(s);
        state::roster().studentNames[s] = QStringLiteral("生徒%1").arg(s).leftJustified(20, u' ');
        state::roster().studentBirthYears[s] = static_cast<qint16>(2010 + s % 9);
    }

    std::mt19937 gen(42);
    const double today = platform::dayCountFromDate(platform::today());
    QByteArray bytes;
    for (int k = 0; k < kMaxRecords; ++k) {
        ResultRecord r;
        r.date = today - static_cast<double>(gen() % 60);
        r.timeOfDay = static_cast<double>(gen() % 86400) / 86400.0;
        r.studentNo = static_cast<qint16>(k % 10 == 0 ? kStudent : 1 + gen() % kStudents);
        r.level = static_cast<qint16>(1 + gen() % kMaxLevel);
        r.time = gen() % 20 == 0 ? course::kNoRecord : static_cast<qint32>(15 + gen() % 200);
        bytes += r.toBytes();
    }
    QFile f(resultLogPath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return false;
    f.close();
    buildStatistics(tables());
    return !platform::programEnding() && tables().recordCount == kMaxRecords;
}

// "表示" with three levels: the cards read and drawn on an area of the chart area's size.
void BM_ThreeCardsOnScreen(benchmark::State& state) {
    const QRect area = platform::twRect(0, 0, 10800, 9840);
    QImage image(area.size(), QImage::Format_RGB32);
    const QFont font = platform::programFont(QStringLiteral("ＭＳ ゴシック"), 6);
    for (auto _ : state) {
        std::vector<records::LogRun> runs;
        if (!readChartRuns(&runs)) state.SkipWithError("the log was not read");
        image.fill(Qt::white);
        QPainter painter(&image);
        drawChartPage(painter, QRectF(area),
                      chartPages(tables(), runs, kStudent, {1, 2, 3}, ChartChoice{})[0], font);
    }
}
BENCHMARK(BM_ThreeCardsOnScreen)->Unit(benchmark::kMillisecond);

// "印刷" with every level: 35 cards on 12 pages of one PDF job.
void BM_EveryLevelToPdf(benchmark::State& state) {
    QTemporaryDir out;
    std::vector<int> levels;
    for (int level = 1; level <= kMaxLevel; ++level) levels.push_back(level);
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPointSizeF(6);
    for (auto _ : state) {
        const std::unique_ptr<platform::Printer> printer =
            platform::pdfPrinter(out.filePath(QStringLiteral("charts.pdf")));
        if (!printer) {
            state.SkipWithError("no print module");
            break;
        }
        std::vector<records::LogRun> runs;
        if (!readChartRuns(&runs)) state.SkipWithError("the log was not read");
        const std::vector<ChartPage> pages =
            chartPages(tables(), runs, kStudent, levels, ChartChoice{});
        platform::printPages(*printer, static_cast<int>(pages.size()),
                             [&](QPainter& painter, const QRectF& page, int i) {
                                 drawChartPage(painter, page, pages[i], font);
                             });
        if (pages.size() != 12) state.SkipWithError("not 12 pages");
    }
}
BENCHMARK(BM_EveryLevelToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFontSubstitutes();
    QTemporaryDir dir;
    if (!setUp(dir)) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
