// Time from process start to the first screen shown, over repeated starts of the program
// on a freshly laid out demo family folder. Prints the median, minimum and maximum.
//
//   startup_bench [runs]          (QT_QPA_PLATFORM=offscreen or a display)

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "app/program_gui.h"

int main(int argc, char** argv) {
    if (argc >= 3 && QByteArray(argv[1]) == "--child") {
        const QString programDir = QString::fromLocal8Bit(argv[2]);
        int childArgc = 1;
        return runProgram(childArgc, argv, programDir, [] {
            std::printf("shown\n");
            std::fflush(stdout);
            _exit(0);
        });
    }
    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 21;
    QTemporaryDir family;
    const QString programDir = family.filePath(QStringLiteral("ならびタッチ"));
    if (QProcess::execute(QStringLiteral(MAKE_DEMO),
                          {family.path(), QStringLiteral("ならびタッチ")}) != 0) {
        std::fprintf(stderr, "cannot lay out the demo folder\n");
        return 1;
    }
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), programDir});
        if (!child.waitForReadyRead(20000)) {
            std::fprintf(stderr, "run %d: no screen shown\n", i + 1);
            child.kill();
            child.waitForFinished();
            return 1;
        }
        times.append(timer.nsecsElapsed() / 1e6);
        child.waitForFinished();
        // Let the single-instance lock of the finished run go.
        QProcess::execute(QStringLiteral("true"), {});
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "process start to first screen shown, %d runs: median %.1f ms, min %.1f ms, max %.1f ms\n",
        runs, times[times.size() / 2], times.front(), times.back());
    return 0;
}
