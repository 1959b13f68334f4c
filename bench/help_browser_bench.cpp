// Time from asking for the help browser to its window painted and to its first help page
// shown, each run in a new process (the browser engine's first start dominates), on a demo
// family folder with the help pages. Prints medians, the minimum and maximum, and the
// resident memory of the process and of the engine's helper processes with the page shown.
//
//   help_browser_bench [runs]          (QT_QPA_PLATFORM=offscreen or a display)

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "app/catalogue.h"
#include "app/shared_state.h"
#include "help/help_browser_gui.h"
#include "platform/application_gui.h"
#include "platform/geometry.h"
#include "platform/web_engine.h"
#include "state/settings.h"

namespace {

// Resident memory in kB of a process and of all processes below it.
qint64 residentKb(qint64 pid) {
    qint64 kb = 0;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                kb = line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 child = entry.toLongLong(&number);
        if (!number) continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(child));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1].toLongLong() == pid) kb += residentKb(child);
    }
    return kb;
}

int child(int argc, char** argv, const QString& programDir) {
    platform::prepareWebEngine();
    platform::Application app(argc, argv);
    platform::installFontSubstitutes();
    state::settingsAtStartUp().programFolder = programDir + u'/';
    QElapsedTimer timer;
    timer.start();
    // The window painted, then its first page shown (the caption turns to the page's title).
    struct FirstPaint : QObject {
        QElapsedTimer* timer;
        double ms = -1;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint && ms < 0) ms = timer->nsecsElapsed() / 1e6;
            return false;
        }
    } painted;
    painted.timer = &timer;
    auto* window = new HelpBrowser;
    window->showAndLoad(catalogue::helpSite() + QStringLiteral("/helpmenu.htm"));
    window->installEventFilter(&painted);
    QObject::connect(window, &QWidget::windowTitleChanged, [&](const QString& title) {
        if (!title.startsWith(QStringLiteral("使用法の説明"))) return;
        const double ms = timer.nsecsElapsed() / 1e6;
        std::printf("shown %.1f %lld %.1f\n", ms, residentKb(QCoreApplication::applicationPid()),
                    painted.ms);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && QByteArray(argv[1]) == "--child") {
        int childArgc = 1;
        return child(childArgc, argv, QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 11;
    QTemporaryDir family;
    const QString programDir = family.filePath(QStringLiteral("ならびタッチ"));
    if (QProcess::execute(QStringLiteral(MAKE_DEMO),
                          {family.path(), QStringLiteral("ならびタッチ")}) != 0) {
        std::fprintf(stderr, "cannot lay out the demo folder\n");
        return 1;
    }
    QList<double> times;
    QList<double> paints;
    QList<double> memory;
    for (int i = 0; i < runs; ++i) {
        QProcess run;
        run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), programDir});
        if (!run.waitForFinished(60000)) {
            std::fprintf(stderr, "run %d: no page shown\n", i + 1);
            run.kill();
            run.waitForFinished();
            return 1;
        }
        const QList<QByteArray> out = run.readAllStandardOutput().trimmed().split(' ');
        if (out.size() < 3 || out[0] != "shown") {
            std::fprintf(stderr, "run %d: the help page did not load\n", i + 1);
            return 1;
        }
        times.append(out[1].toDouble());
        memory.append(out[2].toDouble() / 1024.0);
        paints.append(out.size() > 3 ? out[3].toDouble() : -1);
    }
    std::sort(times.begin(), times.end());
    std::sort(memory.begin(), memory.end());
    std::sort(paints.begin(), paints.end());
    std::printf("help browser asked for to its window painted, %d runs: median %.1f ms\n", runs,
                paints[paints.size() / 2]);
    std::printf(
        "help browser asked for to first page shown, %d runs: median %.1f ms, min %.1f ms, "
        "max %.1f ms\n",
        runs, times[times.size() / 2], times.front(), times.back());
    std::printf(
        "resident memory with the page shown (process and engine helpers): median %.0f MB\n",
        memory[memory.size() / 2]);
    return 0;
}
