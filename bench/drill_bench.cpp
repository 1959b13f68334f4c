// From the tenth correct press of a problem to the next problem shown on the drill
// screen (sounds recorded, not played).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <array>

#include "drill/drill_screen_gui.h"
#include "platform/ansi.h"
#include "platform/geometry.h"
#include "platform/media.h"
#include "platform/program.h"
#include "state/course.h"
#include "state/session.h"
#include "state/settings.h"
#include "widgets/program_state.h"
#include "widgets/screen_navigator_gui.h"

namespace {

void setUpProgram(const QTemporaryDir& dir, ProgramState& program) {
    state::resetRunState();
    const QString prog = dir.path() + QStringLiteral("/prog/");
    QDir().mkpath(prog);
    state::settingsAtStartUp().programFolder = prog;
    state::settingsAtStartUp().soundFolder = prog;
    QByteArray config = "1,50\r\n";
    // Pictures of a realistic size (photographs of 640 x 480).
    for (int n = 1; n <= 10; ++n) {
        QImage card(640, 480, QImage::Format_RGB32);
        card.fill(QColor(20 * n, 100, 200 - 15 * n));
        card.save(prog + QStringLiteral("card%1.png").arg(n));
        QImage done(640, 480, QImage::Format_RGB32);
        done.fill(QColor(200, 20 * n, 50));
        done.save(prog + QStringLiteral("done%1.png").arg(n));
        config += platform::toAnsi(QStringLiteral("\"card%1.png\",\"done%1.png\"\r\n").arg(n));
    }
    QFile file(prog + QStringLiteral("picture.txt"));
    file.open(QIODevice::WriteOnly);
    file.write(config);
    file.close();
    for (int n : {1, 2, 3}) {
        program.sounds.table()[n].files = QStringList{QStringLiteral("s%1").arg(n)};
        program.sounds.table()[n].count = QStringLiteral("1");
    }
    state::settingsAtStartUp().drillTitle = QStringLiteral("ならびタッチ");
    for (int level = 1; level <= 4; ++level) {
        state::course().levelNames[level] = QStringLiteral("レベル%1").arg(level);
        state::course().levelTargets[level].passTime = 30;
        state::course().levelTargets[level].secondTime = 3600;
    }
    program.session.currentStudentNo = 1;
    program.session.currentStudentName = QStringLiteral("山田花子");
}

void BM_NextProblemAfterTenthPress(benchmark::State& state) {
    QTemporaryDir dir;
    ProgramState program;
    setUpProgram(dir, program);
    platform::RecordingMedia media;
    platform::setMedia(&media);
    platform::setEndHandler([](int) {});
    ScreenFlow flow;  // the screens it asks for are not shown
    auto* frm = new DrillScreen(program, flow, 4);
    frm->show();
    QCoreApplication::processEvents();
    if (platform::programEnding()) {
        state.SkipWithError("the drill screen did not start");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        frm->run().problemsSolved = 0;
        std::array<int, 11> cardOfRank{};
        for (int i = 1; i <= 10; ++i) cardOfRank[frm->problem().cards[i].rank] = i;
        for (int rank = 1; rank <= 9; ++rank) frm->pressCard(cardOfRank[rank]);
        QCoreApplication::processEvents();
        media.commands.clear();
        state.ResumeTiming();

        frm->pressCard(cardOfRank[10]);
        QCoreApplication::processEvents();  // the new problem painted
    }
    delete frm;
    platform::setMedia(nullptr);
    platform::setEndHandler({});
}
BENCHMARK(BM_NextProblemAfterTenthPress)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
