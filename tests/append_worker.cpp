// Writes the program's files from a separate process, so the tests can have several
// processes appending to the same log at once, or kill a writer at any moment.
//   append_worker <dataFolder> <baseFolder> <studentNo> <count> [level]
//     appends count results; the time of record k (1..count) is k, so the reader can
//     tell every record apart.
//   append_worker --kill-loop <kills> <seed> log <dataFolder> <baseFolder>
//   append_worker --kill-loop <kills> <seed> step <dataFolder>
//     kills writers: each time a forked child appends results without end (student 1, 2,
//     3 ... one per child) or writes the blank step file without end, and is killed after
//     a random moment of 0..10 ms (step file: of up to twice one write, measured here,
//     so that kills fall before and after the first replace). Before each step-file child
//     the file is set to 100 bytes "x"; after each kill it must be that or the whole blank
//     file. Prints "kills <n> old <n> new <n>".
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "home/step_file.h"
#include "platform/errors.h"
#include "results/result_log.h"
#include "state/session.h"
#include "state/settings.h"

namespace {

[[noreturn]] void writeWithoutEnd(bool step, qint16 student) {
    try {
        for (int k = 1;; ++k) {
            if (step) {
                clearStepFile();
            } else {
                appendResult(FinishedRun{student, 1, k});
            }
        }
    } catch (const platform::RuntimeError& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    _exit(1);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int killLoop(const QStringList& args) {
    const int kills = args[2].toInt();
    std::mt19937 random(args[3].toUInt());
    const bool step = args[4] == QStringLiteral("step");
    state::settingsAtStartUp().dataFolder = args[5];
    if (!step) state::settingsAtStartUp().baseFolder = args[6];
    const QByteArray before(100, 'x');
    const QByteArray blank(kStepFileRecords * kStepRecordSize, '\0');
    unsigned spanUs = 10000;
    if (step) {
        // One write (with its flushes) takes far longer on a loaded or instrumented build.
        // The kills spread over six writes' time: the child's start (a fork) and its first
        // write give the old contents, every kill after its first rename the new ones.
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 10; ++i) clearStepFile();
        const auto us = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::steady_clock::now() - start)
                            .count();
        spanUs = std::max<unsigned>(3000, static_cast<unsigned>(us / 10 * 6));
    }
    int old = 0, fresh = 0;
    for (int i = 0; i < kills; ++i) {
        if (step) {
            QFile f(stepFilePath());
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(before) != 100)
                return 1;
        } else {
            state::settingsAtStartUp().classroomCode = QStringLiteral("W%1").arg(1 + i);
        }
        const pid_t child = fork();
        if (child < 0) return 1;
        if (child == 0) writeWithoutEnd(step, static_cast<qint16>(1 + i));
        std::this_thread::sleep_for(std::chrono::microseconds(random() % spanUs));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFSIGNALED(status)) {
            std::fprintf(stderr, "writer %d ended by itself\n", i);
            return 1;
        }
        if (step) {
            const QByteArray now = readAll(stepFilePath());
            if (now == before) {
                ++old;
            } else if (now == blank) {
                ++fresh;
            } else {
                std::fprintf(stderr, "kill %d: step file of %lld bytes\n", i,
                             static_cast<long long>(now.size()));
                return 1;
            }
        }
    }
    std::printf("kills %d old %d new %d\n", kills, old, fresh);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 6 && args[1] == QStringLiteral("--kill-loop")) return killLoop(args);
    try {
        if (args.size() < 5) {
            std::fprintf(stderr,
                         "usage: append_worker dataFolder baseFolder studentNo count [level]\n"
                         "       append_worker --kill-loop kills seed log|step folders\n");
            return 2;
        }
        state::settingsAtStartUp().dataFolder = args[1];
        state::settingsAtStartUp().baseFolder = args[2];
        FinishedRun run;
        run.student = static_cast<qint16>(args[3].toInt());
        const int count = args[4].toInt();
        run.level = static_cast<qint16>(args.size() > 5 ? args[5].toInt() : 1);
        state::settingsAtStartUp().classroomCode = QStringLiteral("W%1").arg(run.student);
        for (int k = 1; k <= count; ++k) {
            run.time = k;
            appendResult(run);
        }
    } catch (const platform::RuntimeError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
