// Time from process start to the name list painted, each run a new process on a demo family
// folder with a 20000-record results log, and the resident memory then. Beside it, in the
// same run and alternating with it, the peer program TuxMath (Debian's tuxmath) from process
// start to its first window shown, and with --also PROGRAM another build of this program
// (an older one, say) the same way; both need an X display (run under xvfb-run) and are
// skipped with a word without one. Prints medians, minimum and maximum, and the ratio of
// the medians to TuxMath's. A bare Qt window showing the same list (bare_window) is timed
// the same way as the floor Qt itself sets.
//
//   startup_bench [runs] [--also PROGRAM]          (default 5 runs)

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "app/program_gui.h"
#include "bench_support.h"
#include "platform/dates.h"
#include "results/result_log.h"
#include "results/statistics.h"

#ifdef NARABI_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

// Time the main thread of a process has run on a processor: on a machine shared with other
// work this tells what the wall-clock times would be on an idle one.
double onCpuMs(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/schedstat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return f.readAll().split(' ').first().toDouble() / 1e6;
}

// Prints "shown <resident kB>" and ends once the name list has been painted with its
// rows and without the please-wait panel over it.
class NameListPainted : public QObject {
  public:
    void watch() {
        QWidget* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("namesel")) window = w;
        list_ = window ? window->findChild<QListWidget*>(QStringLiteral("List1")) : nullptr;
        waitPanel_ = window ? window->findChild<QWidget*>(QStringLiteral("Picture5")) : nullptr;
        if (!list_ || !waitPanel_) {
            QTimer::singleShot(1, [this] { watch(); });
            return;
        }
        list_->viewport()->installEventFilter(this);
        list_->viewport()->update();
    }

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && list_->count() > 1 && waitPanel_->isHidden()) {
            QTimer::singleShot(0, [] {
                const qint64 pid = QCoreApplication::applicationPid();
                std::printf("shown %ld %.2f\n", bench::residentKb(pid), onCpuMs(pid));
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

  private:
    QListWidget* list_ = nullptr;
    QWidget* waitPanel_ = nullptr;
};

struct Figures {
    QList<double> ms;
    QList<double> mb;
    QList<double> cpu;
    static double median(QList<double> v) {
        std::sort(v.begin(), v.end());
        return v.isEmpty() ? 0 : v[v.size() / 2];
    }
    double median() const { return median(ms); }
    void print(const char* what, const char* until) const {
        QList<double> t = ms;
        std::sort(t.begin(), t.end());
        std::printf(
            "%s: process start to %s, %lld runs: median %.1f ms (%.1f-%.1f), main "
            "thread on a processor median %.1f ms; resident memory then: median %.1f MB\n",
            what, until, static_cast<long long>(t.size()), median(), t.front(), t.back(),
            median(cpu), median(mb));
    }
};

// A program that says "shown <resident kB> <processor ms>" once it has painted (this
// program: the bench itself in child mode), timed until it says so. With a display, the
// time to its first window mapped goes to firstWindow as well.
bool runPaintingProgram(const QString& program, const QStringList& arguments, Figures* figures,
                        void* display, QList<double>* firstWindow) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef NARABI_HAVE_XCB
    auto* x = static_cast<xcb_connection_t*>(display);
    if (x)
        while (xcb_generic_event_t* stale = xcb_poll_for_event(x)) free(stale);
#else
    (void)display;
#endif
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    double mapped = -1;
    while (!child.waitForReadyRead(1)) {
#ifdef NARABI_HAVE_XCB
        while (xcb_generic_event_t* event = x ? xcb_poll_for_event(x) : nullptr) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && mapped < 0)
                mapped = timer.nsecsElapsed() / 1e6;
            free(event);
        }
#endif
        if (timer.elapsed() > 20000 || child.state() == QProcess::NotRunning) {
            child.kill();
            child.waitForFinished();
            return false;
        }
    }
    figures->ms.append(timer.nsecsElapsed() / 1e6);
    if (mapped >= 0) firstWindow->append(mapped);
    const QList<QByteArray> out = child.readAllStandardOutput().trimmed().split(' ');
    figures->mb.append(out.value(1).toDouble() / 1024.0);
    figures->cpu.append(out.value(2).toDouble());
    child.waitForFinished();
    return true;
}

#ifdef NARABI_HAVE_XCB
// Another program, timed until the first window of the display is mapped, then ended.
bool runOtherProgram(xcb_connection_t* x, const QString& program, const QStringList& arguments,
                     Figures* figures) {
    while (xcb_generic_event_t* stale = xcb_poll_for_event(x)) free(stale);
    QProcess other;
    other.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    other.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    other.start(program, arguments);
    bool mapped = false;
    while (!mapped && timer.elapsed() < 20000) {
        pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
        ::poll(&fd, 1, 100);
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) mapped = true;
            free(event);
        }
    }
    if (mapped) {
        figures->ms.append(timer.nsecsElapsed() / 1e6);
        figures->mb.append(bench::residentKb(other.processId()) / 1024.0);
        figures->cpu.append(onCpuMs(other.processId()));
    }
    ::kill(static_cast<pid_t>(other.processId()), SIGTERM);
    if (!other.waitForFinished(5000)) {
        other.kill();
        other.waitForFinished();
    }
    return mapped;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && QByteArray(argv[1]) == "--child") {
        const QString programDir = QString::fromLocal8Bit(argv[2]);
        int childArgc = 1;
        NameListPainted painted;
        return runProgram(childArgc, argv, programDir, [&] { painted.watch(); });
    }
    QCoreApplication app(argc, argv);
    int runs = 5;
    QString also;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--also" && i + 1 < argc)
            also = QString::fromLocal8Bit(argv[++i]);
        else
            runs = std::max(1, atoi(argv[i]));
    }
    QTemporaryDir family;
    const QString programDir = family.filePath(QStringLiteral("ならびタッチ"));
    if (QProcess::execute(QStringLiteral(MAKE_DEMO),
                          {family.path(), QStringLiteral("ならびタッチ")}) != 0) {
        std::fprintf(stderr, "cannot lay out the demo folder\n");
        return 1;
    }
    bench::writeLog(QDir(programDir).filePath(QStringLiteral("成績累積データ.dat")), kMaxRecords);

    // The other programs need an X display to show a window whose mapping is seen.
    const QString tuxmath = QStandardPaths::findExecutable(
        QStringLiteral("tuxmath"), {QStringLiteral("/usr/games"), QStringLiteral("/usr/bin")});
    QString peerNote;
#ifdef NARABI_HAVE_XCB
    xcb_connection_t* x = nullptr;
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        x = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(x)) {
            xcb_disconnect(x);
            x = nullptr;
        }
    }
    if (x) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(x);
    } else {
        peerNote = QStringLiteral("no X display (run under xvfb-run)");
    }
    // Another build runs from a copy beside the demo files, as the program finds its files
    // beside itself.
    if (!also.isEmpty() &&
        !QFile::copy(also, QDir(programDir).filePath(QStringLiteral("narabitouch-also")))) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(also));
        return 1;
    }
#else
    peerNote = QStringLiteral("built without XCB (libxcb1-dev)");
#endif
    if (tuxmath.isEmpty()) peerNote = QStringLiteral("not installed (apt-get install tuxmath)");

    Figures ours, peer, older, bare;
    QList<double> oursFirstWindow, bareFirstWindow;
#ifdef NARABI_HAVE_XCB
    void* display = x;
#else
    void* display = nullptr;
#endif
    for (int i = 0; i < runs; ++i) {
        if (!runPaintingProgram(QCoreApplication::applicationFilePath(),
                                {QStringLiteral("--child"), programDir}, &ours, display,
                                &oursFirstWindow)) {
            std::fprintf(stderr, "run %d: no name list painted\n", i + 1);
            return 1;
        }
        if (!runPaintingProgram(QStringLiteral(BARE_WINDOW), {}, &bare, display, &bareFirstWindow))
            std::fprintf(stderr, "run %d: the bare Qt window painted nothing\n", i + 1);
#ifdef NARABI_HAVE_XCB
        if (x && !tuxmath.isEmpty() && !runOtherProgram(x, tuxmath, {}, &peer))
            std::fprintf(stderr, "run %d: TuxMath showed no window\n", i + 1);
        if (x && !also.isEmpty() &&
            !runOtherProgram(x, QDir(programDir).filePath(QStringLiteral("narabitouch-also")), {},
                             &older))
            std::fprintf(stderr, "run %d: %s showed no window\n", i + 1, qPrintable(also));
#endif
    }
    ours.print("this program", "the name list painted (20000-record log)");
    if (!oursFirstWindow.isEmpty())
        std::printf("this program: process start to its first window shown: median %.1f ms\n",
                    Figures::median(oursFirstWindow));
    if (!bare.ms.isEmpty())
        bare.print("a bare Qt window (menu bar, four-row list)", "its list painted");
    if (!also.isEmpty() && !older.ms.isEmpty())
        older.print(qPrintable(also), "its first window shown");
    if (peer.ms.isEmpty()) {
        std::printf("TuxMath: skipped, %s\n",
                    qPrintable(peerNote.isEmpty() ? QStringLiteral("no window seen") : peerNote));
    } else {
        peer.print("TuxMath", "its first window shown");
        const auto printRatio = [&peer](const QString& what, const Figures& figures) {
            if (figures.ms.isEmpty()) return;
            std::printf("ratio of the medians, %s / TuxMath: %.2f (on a processor %.2f)\n",
                        qPrintable(what), figures.median() / peer.median(),
                        Figures::median(figures.cpu) / Figures::median(peer.cpu));
        };
        printRatio(QStringLiteral("this program"), ours);
        printRatio(QStringLiteral("bare Qt window"), bare);
        printRatio(also, older);
    }
#ifdef NARABI_HAVE_XCB
    if (x) xcb_disconnect(x);
#endif
    return 0;
}
