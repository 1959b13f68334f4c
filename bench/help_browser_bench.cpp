// Time from asking for the help browser to its first help page painted, each run in a new
// process, on a demo family folder with the help pages; the resident memory with the page
// shown; then, in one process, the help opened and closed again and again (every page of
// the help shown each time) and the resident memory after the first and the last loop.
//
//   help_browser_bench [runs [loops]]          (QT_QPA_PLATFORM=offscreen or a display)

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "app/program_flow_gui.h"
#include "bench_support.h"
#include "course/catalogue.h"
#include "help/help_browser_gui.h"
#include "platform/application_gui.h"
#include "platform/geometry.h"
#include "state/settings.h"
#include "widgets/program_state.h"

namespace {

// Time this thread has run on a processor: on a machine shared with other work this tells
// what the wall-clock time would be on an idle one.
double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Runs events until the help page area has been painted.
struct PagePainted : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
    bool wait(HelpBrowser* window) {
        auto* view = window->findChild<QAbstractScrollArea*>(QStringLiteral("brwWebBrowser"));
        if (!view) return false;
        painted = false;
        view->viewport()->installEventFilter(this);
        QElapsedTimer t;
        t.start();
        while (!painted && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        view->viewport()->removeEventFilter(this);
        return painted;
    }
};

int child(int argc, char** argv, const QString& programDir, int loops) {
    platform::Application app(argc, argv);
    platform::installFontSubstitutes();
    state::settingsAtStartUp().programFolder = programDir + u'/';
    ProgramState state;
    ProgramFlow flow(state);
    PagePainted page;
    if (loops == 0) {
        // Help is asked for from a running program: its fonts and style are loaded already.
        {
            QLabel warm(QStringLiteral("名前を選びなさい"));
            warm.show();
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < 200) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = threadCpuMs();
        flow.showHelp(catalogue::helpSite() + QStringLiteral("/helpmenu.htm"));
        if (!page.wait(flow.helpBrowser())) return 1;
        const double ms = timer.nsecsElapsed() / 1e6;
        const double cpu = threadCpuMs() - cpuBefore;
        if (!flow.helpBrowser()->windowTitle().startsWith(QStringLiteral("使用法の説明"))) return 1;
        std::printf("shown %.2f %ld %.2f\n", ms, bench::residentKb(), cpu);
        return 0;
    }
    const char* pages[] = {"/helpmenu.htm", "/narabitouch.htm", "/formmail2/form1.html",
                           "/index.htm"};
    long first = 0;
    for (int loop = 0; loop < loops; ++loop) {
        for (const char* name : pages) {
            flow.showHelp(catalogue::helpSite() + QString::fromLatin1(name));
            if (!page.wait(flow.helpBrowser())) return 1;
        }
        flow.helpBrowser()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (loop == 0) first = bench::residentKb();
    }
    std::printf("loops %ld %ld\n", first, bench::residentKb());
    return 0;
}

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && QByteArray(argv[1]) == "--child") {
        int childArgc = 1;
        return child(childArgc, argv, QString::fromLocal8Bit(argv[2]), atoi(argv[3]));
    }
    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 5;
    const int loops = argc >= 3 ? std::max(1, atoi(argv[2])) : 30;
    QTemporaryDir family;
    const QString programDir = family.filePath(QStringLiteral("ならびタッチ"));
    if (QProcess::execute(QStringLiteral(MAKE_DEMO),
                          {family.path(), QStringLiteral("ならびタッチ")}) != 0) {
        std::fprintf(stderr, "cannot lay out the demo folder\n");
        return 1;
    }
    auto runChild = [&](int childLoops) {
        QProcess run;
        run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        run.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--child"), programDir, QString::number(childLoops)});
        if (!run.waitForFinished(120000) || run.exitCode() != 0) {
            run.kill();
            run.waitForFinished();
            return QList<QByteArray>{};
        }
        return run.readAllStandardOutput().trimmed().split(' ');
    };
    QList<double> times, memory, cpu;
    for (int i = 0; i < runs; ++i) {
        const QList<QByteArray> out = runChild(0);
        if (out.size() < 3 || out[0] != "shown") {
            std::fprintf(stderr, "run %d: the help page was not shown\n", i + 1);
            return 1;
        }
        times.append(out[1].toDouble());
        memory.append(out[2].toDouble() / 1024.0);
        cpu.append(out.value(3).toDouble());
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "help asked for to its first page painted, %d runs (a new process each): "
        "median %.1f ms (%.1f-%.1f), on a processor median %.1f ms; resident memory then: "
        "median %.1f MB\n",
        runs, median(times), times.front(), times.back(), median(cpu), median(memory));
    const QList<QByteArray> out = runChild(loops);
    if (out.size() < 3 || out[0] != "loops") {
        std::fprintf(stderr, "the open-and-close loops failed\n");
        return 1;
    }
    std::printf(
        "help opened, its four pages shown and closed, %d loops: resident memory "
        "after the first %.1f MB, after the last %.1f MB\n",
        loops, out[1].toDouble() / 1024.0, out[2].toDouble() / 1024.0);
    return 0;
}
