// The random-event monkey: lays out a demo family folder and runs the real program on it
// (on the platform QT_QPA_PLATFORM names, offscreen by default; a stepping clock that the
// program's timers run on too, sounds that last their length on that clock, programs
// started recorded, the print dialog replaced by a stand-in that prints to PDF), driven by
// seeded random input, one life of the program after another until the events are sent:
//
//   monkey [events [seed [event log]]]
//
// Each life is a child process (`monkey --life <program folder> <events> <seed>`), so a
// crash ends only that life; once its events are sent the monkey ends the program through
// its windows ("終了", closes), so that every life runs the program's exit and the C
// runtime's exit handlers. Between lives the family's files are checked for wholeness.
// The same seed on the same day sends the same events (offscreen); the event log, when
// asked for, lists them with the message boxes shown, life by life.
// Prints one line per finding and a summary; exits 1 on a crash (a signal or a non-zero
// exit, at the exit too), a sanitizer report, a hang (MONKEY_HANG_SECONDS without an event,
// 30 by default, or as long at the exit), a file that is not whole, or a life that ended
// with no window left (a close or a press that left the program without a way on).
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

#include "app/program_gui.h"
#include "monkey/family_check.h"
#include "monkey/monkey.h"
#include "monkey/timed_sounds.h"
#include "monkey/virtual_time.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/messages_gui.h"
#include "platform/program.h"
#include "platform/shell.h"
#include "support/print_dialog.h"
#include "support/stepping_clock.h"

#if defined(__SANITIZE_ADDRESS__)
#define MONKEY_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MONKEY_ASAN 1
#endif
#endif
#ifdef MONKEY_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

const QString kProgramName = QStringLiteral("ならびタッチ");
constexpr int kHangExit = 3;

int hangSeconds() {
    const int s = qEnvironmentVariableIntValue("MONKEY_HANG_SECONDS");
    return s > 0 ? s : 30;
}

// ----- one life of the program (the child process)

// Message boxes as the program shows them (modal, answered by the monkey), each text
// also printed for the summary.
class NotedMessageBoxes : public platform::MessageBoxes {
  public:
    void show(const QString& text, const QString& title, platform::MsgIcon icon) override {
        QString line = text;
        line.replace(QStringLiteral("\r\n"), QStringLiteral("|"));
        std::printf("box: %s\n", line.toUtf8().constData());
        std::fflush(stdout);
        boxes_.show(text, title, icon);
    }

  private:
    platform::WidgetMessageBoxes boxes_;
};

void hangAtExit(int) {
    const char text[] = "monkey: hang: the program did not end after its last window\n";
    if (::write(2, text, sizeof text - 1) < 0) {
    }
    _exit(kHangExit);
}

#ifndef MONKEY_ASAN
void writeTrailAndCrash(int sig) {
    const char head[] = "monkey: crashed with signal; the last events:\n";
    if (::write(2, head, sizeof head - 1) < 0) {
    }
    Monkey::writeTrail(2);
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}
#endif

void noteCrashes() {
#ifdef MONKEY_ASAN
    // The sanitizers report the fault themselves; the events that led to it follow.
    __sanitizer_set_death_callback([] {
        std::fprintf(stderr, "monkey: the last events:\n");
        Monkey::writeTrail(2);
    });
#else
    for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) ::signal(sig, writeTrailAndCrash);
#endif
}

int runLife(int& argc, char** argv, const QString& programDir, int budget, quint32 seed) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    noteCrashes();
    // After school on the day the demo family was laid out for; the timers run on it.
    SteppingClock clock(QDateTime(QDate::currentDate(), QTime(16, 0)));
    QCoreApplication::setEventDispatcher(new VirtualTimeDispatcher(clock));
    platform::RecordingShell shell;
    std::unique_ptr<TimedSounds> media;
    NotedMessageBoxes boxes;
    platform::setClock(&clock);
    platform::setShell(&shell);
    platform::setPrinterChoice(printDialogStandIn(programDir + QStringLiteral("/monkey.pdf")));

    std::unique_ptr<Monkey> monkey;
    std::atomic<Monkey*> watched{nullptr};
    std::atomic<bool> over{false};
    std::thread watchdog([&] {
        const qint64 limit = hangSeconds() * 1000LL;
        while (!over) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            Monkey* m = watched;
            if (!over && m && m->msSinceLastTick() > limit) {
                std::fprintf(stderr,
                             "monkey: hang: no event for %d s after event %d; "
                             "the last events:\n",
                             hangSeconds(), m->sent());
                Monkey::writeTrail(2);
                _exit(kHangExit);
            }
        }
    });

    const int code = runProgram(argc, argv, programDir, [&] {
        // The first screen is up: from here on sounds are recorded and boxes noted.
        // The sounds go with the application's end, before the program's parts.
        media = std::make_unique<TimedSounds>();
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&media] {
            platform::setMedia(nullptr);
            media.reset();
        });
        platform::setMedia(media.get());
        platform::setMessageBoxes(&boxes);
        monkey = std::make_unique<Monkey>(seed, budget, kHangExit);
        watched = monkey.get();
        monkey->start();
    });
    over = true;
    watchdog.join();
    // What is left of the exit (the C runtime's exit handlers) gets as long as an event.
    ::signal(SIGALRM, hangAtExit);
    ::alarm(static_cast<unsigned>(hangSeconds()));

    std::printf("events %d\n", monkey ? monkey->sent() : 0);
    const char* end = monkey && monkey->endingTheProgram() ? "ended by the monkey"
                      : !shell.started.isEmpty()           ? "launcher"
                      : code != 0                          ? "error"
                                                           : "no window left";
    std::printf("end: %s\n", end);
    // A program left without any window is a finding: the events that led there.
    if (QByteArray(end) == "no window left") Monkey::writeTrail(2);
    std::fflush(stdout);
    platform::setMessageBoxes(nullptr);
    platform::setShell(nullptr);
    platform::setClock(nullptr);
    platform::setPrinterChoice({});
    return 0;
}

// ----- the run (the parent process)

struct Totals {
    int events = 0;
    int lives = 0;
    int crashes = 0;
    int reports = 0;
    int hangs = 0;
    int torn = 0;
    int windowless = 0;  // lives that ended with no window left
    QMap<QString, int> ends;
    QMap<QString, int> boxes;
};

// The head of the report (the sanitizer's or the crash's first lines, with the top of its
// stack) and the events that led to it.
void printFinding(const QByteArray& err) {
    const QList<QByteArray> lines = err.split('\n');
    qsizetype head = lines.size(), trail = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (head == lines.size() && (line.contains("ERROR: ") || line.contains("runtime error:") ||
                                     line.contains("monkey: hang")))
            head = i;
        if (line.contains("the last events")) trail = i;
    }
    for (qsizetype i = head; i < std::min(head + 24, trail); ++i)
        std::printf("    %s\n", lines[i].constData());
    for (qsizetype i = trail; i < lines.size(); ++i) std::printf("    %s\n", lines[i].constData());
}

int runMonkey(int events, quint32 seed, const QString& logPath) {
    QElapsedTimer wall;
    wall.start();
    QTemporaryDir tmp;
    if (!tmp.isValid()) {
        std::fprintf(stderr, "monkey: no temporary folder\n");
        return 2;
    }
    if (qEnvironmentVariableIsSet("MONKEY_KEEP")) tmp.setAutoRemove(false);
    const QString family = tmp.path() + QStringLiteral("/family");
    if (QProcess::execute(QStringLiteral(MAKE_DEMO), {family, kProgramName}) != 0) {
        std::fprintf(stderr, "monkey: make_demo failed for %s\n", qPrintable(family));
        return 2;
    }
    const QString programDir = family + u'/' + kProgramName;
    FamilyCheck check(family, kProgramName);
    QFile log(logPath);
    if (!logPath.isEmpty() && !log.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "monkey: cannot write the event log %s\n", qPrintable(logPath));
        return 2;
    }
    Totals t;
    int idleLives = 0;
    while (t.events < events) {
        ++t.lives;
        check.takeCounts();
        QProcess life;
        life.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--life"), programDir, QString::number(events - t.events),
                    QString::number(seed * 7919u + static_cast<quint32>(t.lives))});
        const int waitMs = std::max(600000, (events - t.events) * 400);
        const bool timedOut = !life.waitForFinished(waitMs);
        if (timedOut) {
            life.kill();
            life.waitForFinished();
        }
        const QByteArray out = life.readAllStandardOutput();
        const QByteArray err = life.readAllStandardError();
        int sent = 0;
        QString end;
        if (log.isOpen())
            log.write("life " + QByteArray::number(t.lives) + ", seed " +
                      QByteArray::number(seed * 7919u + static_cast<quint32>(t.lives)) + "\n");
        for (const QByteArray& line : out.split('\n')) {
            if (line.startsWith("events ")) sent = line.mid(7).toInt();
            if (line.startsWith("end: ")) end = QString::fromUtf8(line.mid(5));
            if (line.startsWith("box: ")) ++t.boxes[QString::fromUtf8(line.mid(5))];
            // The family's folder is a new temporary one each run.
            if (log.isOpen() &&
                (line.startsWith("ev: ") || line.startsWith("box: ") || line.startsWith("end: ")))
                log.write(QByteArray(line).replace(tmp.path().toUtf8(), "<tmp>") + '\n');
        }
        // A life that crashed counted up to the last event of its trail.
        for (const QByteArray& line : err.split('\n'))
            if (line.startsWith('#')) sent = std::max(sent, line.mid(1).split(' ')[0].toInt());
        t.events += sent;
        const bool report = err.contains("ERROR: AddressSanitizer") ||
                            err.contains("ERROR: LeakSanitizer") || err.contains("runtime error:");
        const bool normalExit = life.exitStatus() == QProcess::NormalExit;
        const bool hang = timedOut || (normalExit && life.exitCode() == kHangExit);
        const bool crash = !hang && (!normalExit || life.exitCode() != 0);
        if (hang) end = QStringLiteral("hang");
        if (crash) end = report ? QStringLiteral("sanitizer report") : QStringLiteral("crash");
        ++t.ends[end];
        if (report) ++t.reports;
        if (hang) ++t.hangs;
        if (crash && !report) ++t.crashes;
        const bool windowless = end == QStringLiteral("no window left");
        if (windowless) ++t.windowless;
        if (report || hang || crash || windowless) {
            std::printf("life %d (seed %u): %s after %d events\n", t.lives,
                        seed * 7919u + static_cast<quint32>(t.lives),
                        report  ? "sanitizer report"
                        : hang  ? "hang"
                        : crash ? "crash"
                                : "no window left",
                        sent);
            printFinding(err);
        }
        const QStringList problems = check.problems(!report && !hang && !crash);
        t.torn += static_cast<int>(problems.size());
        for (const QString& p : problems) std::printf("life %d: %s\n", t.lives, qPrintable(p));
        std::fflush(stdout);
        idleLives = sent == 0 ? idleLives + 1 : 0;
        if (idleLives == 3) {
            std::printf("monkey: three lives in a row sent no event; stopping\n");
            ++t.hangs;
            break;
        }
    }

    std::printf("ends:");
    for (auto it = t.ends.begin(); it != t.ends.end(); ++it)
        std::printf(" %s %d;", qPrintable(it.key()), it.value());
    std::printf("\nmessage boxes:\n");
    for (auto it = t.boxes.begin(); it != t.boxes.end(); ++it)
        std::printf("  %4d  %s\n", it.value(), qPrintable(it.key().left(70)));
    std::printf(
        "monkey: events %d, lives %d, crashes %d, reports %d, hangs %d, torn files %d, "
        "windowless %d, %.0f s\n",
        t.events, t.lives, t.crashes, t.reports, t.hangs, t.torn, t.windowless,
        static_cast<double>(wall.elapsed()) / 1000.0);
    return t.crashes + t.reports + t.hangs + t.torn + t.windowless == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && QByteArray(argv[1]) == "--life")
        return runLife(argc, argv, QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]),
                       static_cast<quint32>(std::strtoul(argv[4], nullptr, 10)));
    QCoreApplication app(argc, argv);
    const int events = argc > 1 ? std::atoi(argv[1]) : 2000;
    const quint32 seed = argc > 2 ? static_cast<quint32>(std::strtoul(argv[2], nullptr, 10)) : 1;
    if (argc > 4 || events <= 0) {
        std::fprintf(stderr, "usage: monkey [events [seed [event log]]]\n");
        return 2;
    }
    return runMonkey(events, seed, argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
}
