// Runs the family's files cannot take are kept on this computer and added later, once.

#include "results/run_keeping.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "platform/errors.h"
#include "platform/record_file.h"
#include "platform/shared_files.h"
#include "support/core_fixture.h"

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

platform::RuntimeError systemFailure(int code, const QString& path) {
    return platform::RuntimeError(platform::errorNumberOfSystemError(code), path,
                                  platform::systemErrorText(code));
}

// The real files, except that opening or appending fails with `code`, another computer holds
// every lock for `heldTries` attempts, or the process is killed after its first append.
class FileLayer : public platform::SharedFiles {
  public:
    int failOpen = 0, failAppend = 0, heldTries = 0;
    bool killAfterAppend = false;
    platform::FakeClock* clock = nullptr;

    std::unique_ptr<platform::AppendFile> openForAppend(const QString& path) override {
        if (failOpen) throw systemFailure(failOpen, path);
        return std::make_unique<File>(path, *this);
    }
    void pause(int ms) override { clock->advanceMs(ms); }

  private:
    struct File : platform::AppendFile {
        File(const QString& path, FileLayer& layer)
            : real(path, platform::RecordFile::Access::Append), layer(layer) {}
        bool tryLock() override { return layer.heldTries-- <= 0 && real.tryLockExclusive(); }
        QByteArray tail(int size, int records) override { return real.readTail(size, records); }
        void append(const QByteArray& record) override {
            if (layer.failAppend) throw systemFailure(layer.failAppend, real.path());
            real.appendRecord(record);
            if (layer.killAfterAppend) ::kill(::getpid(), SIGKILL);
        }
        platform::RecordFile real;
        FileLayer& layer;
    };
};

class RunKeepingTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        layer.clock = &clock;
        platform::setSharedFiles(&layer);
    }
    void TearDown() override {
        platform::setSharedFiles(nullptr);
        CoreFixture::TearDown();
    }
    PendingRun runOf(qint16 student, qint32 time) {
        const FinishedRun run{student, 1, time};
        return {resultRecordOf(run, clock.now()).toBytes(),
                homeResultRecordOf(run, clock.now()).toBytes()};
    }
    FileLayer layer;
};

TEST_F(RunKeepingTest, AFailedAppendIsKeptAndAddedLaterOnceInOrder) {
    const struct {
        const char* name;
        int code;
        bool atOpen;
    } cases[] = {{"disk full", ENOSPC, false}, {"read-only", EROFS, true},
                 {"I/O error", EIO, false},    {"no permission", EACCES, true},
                 {"folder gone", ENOENT, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clock.advanceMs(1000);  // records of another second
        const PendingRun old = runOf(1, 10);
        platform::setSharedFiles(nullptr);
        ASSERT_EQ(keepRun(old).kept, RunKept::Recorded);
        const QByteArray logBefore = readFile(resultLogPath());
        platform::setSharedFiles(&layer);
        (c.atOpen ? layer.failOpen : layer.failAppend) = c.code;

        const PendingRun first = runOf(2, 20), second = runOf(3, 30);
        const RunKeeping kept = keepRun(first);
        EXPECT_EQ(kept.kept, RunKept::KeptHere);
        EXPECT_TRUE(kept.message.contains(platform::displayPath(resultLogPath())));
        EXPECT_TRUE(kept.message.contains(platform::displayPath(homeResultLogPath())));
        EXPECT_TRUE(kept.message.contains(platform::systemErrorText(c.code)));
        EXPECT_EQ(keepRun(second).kept, RunKept::KeptHere);
        EXPECT_EQ(readFile(resultLogPath()), logBefore);
        EXPECT_EQ(readPendingRuns(familyLogs()).runs, (std::vector<PendingRun>{first, second}));

        // The next start with the folder writable again.
        layer.failOpen = layer.failAppend = 0;
        const PendingAdded added = addPendingRuns();
        EXPECT_EQ(added.added, 2);
        EXPECT_EQ(added.left, 0);
        EXPECT_EQ(readFile(resultLogPath()), logBefore + first.logRecord + second.logRecord);
        EXPECT_TRUE(readFile(homeResultLogPath()).endsWith(first.homeRecord + second.homeRecord));
        EXPECT_FALSE(QFile::exists(pendingFilePath(familyLogs())));
        EXPECT_EQ(addPendingRuns().added, 0);
        EXPECT_EQ(readFile(resultLogPath()).size(), logBefore.size() + 2 * kResultRecordSize);
    }
}

TEST_F(RunKeepingTest, ALockHeldElsewhereAsksAfterFiveSecondsThenKeepsOnRequest) {
    layer.heldTries = 1000;
    boxes.choices = {1, 0};  // keep waiting, then keep it on this computer
    const qint64 start = clock.monotonicMs();
    const RunKeeping kept = keepRun(runOf(2, 20));
    EXPECT_EQ(kept.kept, RunKept::KeptHere);
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_TRUE(boxes.shown[0].text.contains(platform::displayPath(tmp.path() + "/drill")));
    EXPECT_GE(clock.monotonicMs() - start, 2 * kLockAskAfterMs);
    EXPECT_LT(clock.monotonicMs() - start, 2 * kLockAskAfterMs + 1000);
    EXPECT_EQ(readPendingRuns(familyLogs()).runs.size(), 1u);
    // Adding pending runs never waits for a held file.
    EXPECT_EQ(addPendingRuns().left, 1);
    EXPECT_EQ(boxes.shown.size(), 2);
}

TEST_F(RunKeepingTest, AMalformedPendingFileIsKeptAndNamedNeverAppended) {
    ASSERT_TRUE(QDir().mkpath(pendingFolder()));
    const QString path = pendingFilePath(familyLogs());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("narabitouch pending runs 1\nlog\t/elsewhere/log.dat\nhome\t/x\nrun\t-\t-\n");
    file.close();
    EXPECT_TRUE(addPendingRuns().problem.contains(platform::displayPath(path)));
    layer.failOpen = ENOSPC;
    EXPECT_EQ(keepRun(runOf(2, 20)).kept, RunKept::KeptHere);
    EXPECT_FALSE(QFile::exists(resultLogPath()));
    const QStringList kept = QDir(pendingFolder()).entryList({QFileInfo(path).fileName() + "*"});
    EXPECT_EQ(kept.size(), 2);  // set aside, and the new one
}

TEST_F(RunKeepingTest, AKillBetweenTheAppendAndTheRemovalLeavesTheRunOnce) {
    const PendingRun run = runOf(2, 20);
    writePendingRuns(familyLogs(), {run});
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        layer.killAfterAppend = true;
        addPendingRuns();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(readFile(resultLogPath()), run.logRecord);
    EXPECT_EQ(readPendingRuns(familyLogs()).runs.size(), 1u);

    EXPECT_EQ(addPendingRuns().added, 1);
    EXPECT_EQ(readFile(resultLogPath()), run.logRecord);
    EXPECT_EQ(readFile(homeResultLogPath()), run.homeRecord);
    EXPECT_FALSE(QFile::exists(pendingFilePath(familyLogs())));
}

}  // namespace
