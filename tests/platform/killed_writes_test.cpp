// Every file the program writes survives a kill at any moment: a worker process writes in
// a loop and is killed at a random moment, a few hundred times. The results log and its home
// copy then hold only whole records (a torn tail is ignored by the readers and the next
// append writes over it); the step file is the old file or the new one, whole.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <cstdio>
#include <map>

#include "home/step_file.h"
#include "results/result_log.h"
#include "state/settings.h"
#include "support/core_fixture.h"

namespace {

constexpr int kKills = 300;

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

// Runs the worker's kill loop (a forked writer killed at a random moment, kKills times)
// and returns what it printed.
QString killLoop(const QStringList& args) {
    QProcess worker;
    worker.setProgram(QStringLiteral(APPEND_WORKER));
    worker.setArguments(
        QStringList{QStringLiteral("--kill-loop"), QString::number(kKills), QStringLiteral("11")} +
        args);
    worker.start();
    EXPECT_TRUE(worker.waitForFinished(60000));
    EXPECT_EQ(worker.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(worker.exitCode(), 0) << worker.readAllStandardError().data();
    return QString::fromUtf8(worker.readAllStandardOutput()).trimmed();
}

using KilledWritesTest = CoreFixture;

// The whole records of a file: each worker run (one student) wrote times 1, 2, 3 ...
// in order. Returns the count per student.
template <class Record>
std::map<int, int> checkWholeRecords(const QByteArray& bytes, int size, const char* what) {
    std::map<int, int> count;
    for (qsizetype at = 0; at + size <= bytes.size(); at += size) {
        const Record r = Record::fromBytes(bytes.constData() + at);
        EXPECT_EQ(r.level, 1) << what << " record " << at / size;
        EXPECT_EQ(r.classroom, QStringLiteral("W%1").arg(r.studentNo).leftJustified(5, u' '))
            << what << " record " << at / size;
        EXPECT_EQ(r.time, ++count[r.studentNo]) << what << " record " << at / size;
    }
    return count;
}

TEST_F(KilledWritesTest, TheLogAndTheHomeCopyKeepOnlyWholeRecords) {
    EXPECT_TRUE(killLoop({QStringLiteral("log"), state::settingsAtStartUp().dataFolder,
                          state::settingsAtStartUp().baseFolder})
                    .startsWith(QStringLiteral("kills %1").arg(kKills)));
    const QByteArray log = readFile(resultLogPath());
    const QByteArray home = readFile(homeResultLogPath());
    const std::map<int, int> logCount =
        checkWholeRecords<ResultRecord>(log, kResultRecordSize, "log");
    const std::map<int, int> homeCount =
        checkWholeRecords<HomeResultRecord>(home, kHomeResultRecordSize, "home copy");
    // The home copy follows the log record by record; a kill between the two appends
    // leaves it one behind for that run.
    for (const auto& [student, n] : logCount) {
        const int h = homeCount.count(student) ? homeCount.at(student) : 0;
        EXPECT_TRUE(h == n || h == n - 1) << "student " << student << ": " << n << " / " << h;
    }
    std::printf(
        "[ killed    ] %d writers; log %lld records (tail %lld bytes), home copy %lld "
        "records (tail %lld bytes)\n",
        kKills, static_cast<long long>(log.size() / kResultRecordSize),
        static_cast<long long>(log.size() % kResultRecordSize),
        static_cast<long long>(home.size() / kHomeResultRecordSize),
        static_cast<long long>(home.size() % kHomeResultRecordSize));

    // The next append mends any torn tail.
    state::settingsAtStartUp().classroomCode = QStringLiteral("W4000");
    appendResult(FinishedRun{4000, 1, 1});
    const QByteArray logAfter = readFile(resultLogPath());
    const QByteArray homeAfter = readFile(homeResultLogPath());
    EXPECT_EQ(logAfter.size() % kResultRecordSize, 0);
    EXPECT_EQ(homeAfter.size() % kHomeResultRecordSize, 0);
    EXPECT_EQ(ResultRecord::fromBytes(logAfter.constData() + logAfter.size() - kResultRecordSize)
                  .studentNo,
              4000);
    EXPECT_EQ(HomeResultRecord::fromBytes(homeAfter.constData() + homeAfter.size() -
                                          kHomeResultRecordSize)
                  .studentNo,
              4000);
}

TEST_F(KilledWritesTest, TheStepFileIsOldOrNewAndWhole) {
    // The worker checks the file after every kill.
    const QString out = killLoop({QStringLiteral("step"), state::settingsAtStartUp().dataFolder});
    int old = 0, fresh = 0;
    ASSERT_EQ(std::sscanf(qPrintable(out), "kills %*d old %d new %d", &old, &fresh), 2)
        << out.toStdString();
    EXPECT_EQ(old + fresh, kKills);
    // The kills fell on both contents, so they landed before and after the replace.
    EXPECT_GT(old, 0);
    EXPECT_GT(fresh, 0);
    std::printf("[ killed    ] step file: %s\n", qPrintable(out));
    const QByteArray blank(kStepFileRecords * kStepRecordSize, '\0');
    // A temporary file left by a killed write is taken over by the next write.
    clearStepFile();
    EXPECT_EQ(readFile(stepFilePath()), blank);
    EXPECT_FALSE(QFile::exists(stepFilePath() + QStringLiteral(".tmp")));
}

}  // namespace
