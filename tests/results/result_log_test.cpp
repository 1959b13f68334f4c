#include "results/result_log.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <map>

#include "platform/errors.h"
#include "results/run_recording.h"
#include "results/statistics.h"
#include "state/course.h"
#include "state/settings.h"
#include "support/core_fixture.h"

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text));
}

// 2026-12-08 is day 46364; 10:23:45 is 37425 / 86400 of a day.
const char* kDate46364 = "0000000080a3e640";
const char* kTime102345 = "8ee3388ee3b8db3f";

QByteArray expectedLogRecord(const char* studentLevelTime, const QByteArray& classroom) {
    return hex(kDate46364) + hex(kTime102345) + hex(studentLevelTime) + classroom + "     " +
           "0    " + QByteArray(5, '\0');
}

class ResultLogTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        clock.setNow(QDateTime(QDate(2026, 12, 8), QTime(10, 23, 45, 678)));
        state::settingsAtStartUp().classroomCode = QStringLiteral("AB");
    }
    FinishedRun run{123, 3, 99999};  // 7b 00, 03 00, 9f 86 01 00
};

TEST_F(ResultLogTest, RecordsAreLaidOutByteForByte) {
    ResultRecord r;
    r.date = 46364;
    r.timeOfDay = 37425.0 / 86400.0;
    r.studentNo = 123;
    r.level = 3;
    r.time = 99999;
    r.classroom = QStringLiteral("AB");
    const QByteArray bytes = r.toBytes();
    ASSERT_EQ(bytes.size(), 44);
    EXPECT_EQ(bytes.toHex(), expectedLogRecord("7b0003009f860100", "AB   ").toHex());

    const ResultRecord back = ResultRecord::fromBytes(bytes.constData());
    EXPECT_EQ(back.date, 46364.0);
    EXPECT_EQ(back.timeOfDay, r.timeOfDay);
    EXPECT_EQ(back.studentNo, 123);
    EXPECT_EQ(back.level, 3);
    EXPECT_EQ(back.time, 99999);

    HomeResultRecord h;
    h.folderName = QStringLiteral("ならび\\");
    h.date = 46364;
    h.timeOfDay = 37425.0 / 86400.0;
    h.studentNo = -2;  // fe ff
    h.level = 35;      // 23 00
    h.time = 61;       // 3d 00 00 00
    h.classroom = QStringLiteral("12345");
    const QByteArray home = h.toBytes();
    ASSERT_EQ(home.size(), 66);
    const QByteArray expected = hex("82c882e782d1") + "\\" + QByteArray(13, ' ') + hex("0000") +
                                hex(kDate46364) + hex(kTime102345) + hex("feff23003d000000") +
                                "12345" + QByteArray(15, '\0');
    EXPECT_EQ(home.toHex(), expected.toHex());
    const HomeResultRecord homeBack = HomeResultRecord::fromBytes(home.constData());
    EXPECT_EQ(homeBack.folderName.trimmed(), QStringLiteral("ならび\\"));
    EXPECT_EQ(homeBack.studentNo, -2);
    EXPECT_EQ(homeBack.time, 61);
}

TEST_F(ResultLogTest, ClassroomCodeIsCutAtFiveBytesWithoutSplittingACharacter) {
    ResultRecord r;
    r.classroom = QStringLiteral("ABCDEFG");
    EXPECT_EQ(r.toBytes().mid(24, 10), QByteArray("ABCDE     "));
    r.classroom = QStringLiteral("あいう");  // 6 bytes: the third character does not fit
    EXPECT_EQ(r.toBytes().mid(24, 5).toHex(), (hex("82a082a2") + " ").toHex());
    r.classroom = QString();
    EXPECT_EQ(r.toBytes().mid(24, 15), QByteArray("          0    "));
}

TEST_F(ResultLogTest, HomeFolderNameKeepsTheWindowsForm) {
    EXPECT_EQ(homeFolderName(QStringLiteral("/srv/drills/ならび/")), QStringLiteral("ならび\\"));
    EXPECT_EQ(homeFolderName(QStringLiteral("/srv/drills/../narabi/")), QStringLiteral("narabi\\"));
    EXPECT_EQ(homeFolderName(QStringLiteral("C:\\drills\\narabi\\")), QStringLiteral("narabi\\"));
    EXPECT_EQ(homeFolderName(QStringLiteral("/srv/drills/narabi")), QStringLiteral("narabi\\"));
    // Longer than 20 bytes: cut in the record, never inside a character.
    HomeResultRecord h;
    h.folderName = homeFolderName(QStringLiteral("/x/Aながいながいフォルダ/"));
    EXPECT_EQ(h.toBytes().left(20).toHex(),
              (hex("4182c882aa82a282c882aa82a283748348838b") + " ").toHex());
}

TEST_F(ResultLogTest, AppendWritesBothFilesAndGrowsByOneRecord) {
    ASSERT_TRUE(QDir(tmp.path()).mkpath(QStringLiteral("ならび")));
    state::settingsAtStartUp().dataFolder = tmp.path() + QStringLiteral("/ならび/");
    appendResult(run);
    run.time = 61;
    state::settingsAtStartUp().classroomCode = QStringLiteral("C1234567");
    appendResult(run);

    const QByteArray log = readFile(resultLogPath());
    ASSERT_EQ(log.size(), 88);
    EXPECT_EQ(log.left(44).toHex(), expectedLogRecord("7b0003009f860100", "AB   ").toHex());
    EXPECT_EQ(log.mid(44).toHex(), expectedLogRecord("7b0003003d000000", "C1234").toHex());

    const QByteArray home = readFile(homeResultLogPath());
    ASSERT_EQ(home.size(), 132);
    const QByteArray folder = hex("82c882e782d1") + "\\" + QByteArray(13, ' ');
    EXPECT_EQ(home.left(66).toHex(), (folder + hex("0000") + hex(kDate46364) + hex(kTime102345) +
                                      hex("7b0003009f860100") + "AB   " + QByteArray(15, '\0'))
                                         .toHex());
    EXPECT_EQ(home.mid(66 + 42, 9).toHex(), (hex("3d000000") + "C1234").toHex());
}

TEST_F(ResultLogTest, StudentsFrom4900OnAreNotCopiedHome) {
    run.student = 4900;
    appendResult(run);
    EXPECT_FALSE(QFile::exists(homeResultLogPath()));
    run.student = 4899;
    appendResult(run);
    EXPECT_EQ(readFile(homeResultLogPath()).size(), 66);
    EXPECT_EQ(readFile(resultLogPath()).size(), 88);
}

TEST_F(ResultLogTest, AnUnwritableLogRaisesAnErrorNamingIt) {
    // A data folder below a regular file cannot be created, whoever runs the test.
    QFile blocker(tmp.path() + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    state::settingsAtStartUp().dataFolder = tmp.path() + QStringLiteral("/blocker/drill/");
    try {
        appendResult(run);
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.file(), resultLogPath());
        EXPECT_TRUE(e.message().contains(QStringLiteral("成績累積データ.dat")));
    }
    // Nothing reached the home copy either.
    EXPECT_FALSE(QFile::exists(homeResultLogPath()));
}

TEST_F(ResultLogTest, AnUnwritableHomeCopyIsReportedAndTheLogRecordStays) {
    QFile blocker(tmp.path() + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    state::settingsAtStartUp().baseFolder = tmp.path() + QStringLiteral("/blocker/");
    try {
        appendResult(run);
        FAIL() << "no error";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.file(), homeResultLogPath());
    }
    EXPECT_EQ(readFile(resultLogPath()).size(), 44);
}

class RecordResultTest : public ResultLogTest {
  protected:
    void SetUp() override {
        ResultLogTest::SetUp();
        parts.tables.bestTime(3, 123) = 50;
        parts.tables.levelBestTime(3) = 40;
        parts.tables.attempts(3, 123) = 5;
        parts.tables.totalPoints(3, 123) = 100;
        state::course().levelTargets[3].clearCount = 5;
        state::course().levelTargets[3].clearPoints = 100;
    }
    void TearDown() override {
        parts.tables.bestTime(3, 123) = course::kNoRecord;
        parts.tables.levelBestTime(3) = course::kNoRecord;
        parts.tables.attempts(3, 123) = 0;
        parts.tables.totalPoints(3, 123) = 0;
        ResultLogTest::TearDown();
    }
};

TEST_F(RecordResultTest, EqualTimesAreNoNewBest) {
    run.time = 50;
    RunOutcome outcome = recordResult(parts.tables, run);
    EXPECT_FALSE(outcome.personalBest);
    EXPECT_FALSE(outcome.levelBest);
    EXPECT_TRUE(outcome.clearedBefore);
    EXPECT_EQ(parts.tables.bestTime(3, 123), 50);
    EXPECT_EQ(readFile(resultLogPath()).size(), 44);

    run.time = 49;
    outcome = recordResult(parts.tables, run);
    EXPECT_TRUE(outcome.personalBest);
    EXPECT_FALSE(outcome.levelBest);
    EXPECT_EQ(parts.tables.bestTime(3, 123), 49);

    run.time = 40;
    outcome = recordResult(parts.tables, run);
    EXPECT_TRUE(outcome.personalBest);
    EXPECT_FALSE(outcome.levelBest);
    run.time = 39;
    EXPECT_TRUE(recordResult(parts.tables, run).levelBest);
    EXPECT_EQ(parts.tables.levelBestTime(3), 39);
    EXPECT_EQ(readFile(resultLogPath()).size(), 4 * 44);
}

TEST_F(RecordResultTest, ClearedBeforeNeedsBothCountAndPoints) {
    parts.tables.totalPoints(3, 123) = 99;
    EXPECT_FALSE(recordResult(parts.tables, run).clearedBefore);
    parts.tables.totalPoints(3, 123) = 100;
    parts.tables.attempts(3, 123) = 4;
    EXPECT_FALSE(recordResult(parts.tables, run).clearedBefore);
}

TEST_F(RecordResultTest, AKeptRunMakesItsBestsALostOneNone) {
    QFile blocker(tmp.path() + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    state::settingsAtStartUp().dataFolder = tmp.path() + QStringLiteral("/blocker/");
    const QByteArray stateHome = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", (tmp.path() + QStringLiteral("/blocker/state")).toUtf8());
    run.time = 10;
    const RunOutcome lost = recordResult(parts.tables, run);
    qputenv("XDG_STATE_HOME", stateHome);
    EXPECT_EQ(lost.keeping.kept, RunKept::Lost);
    EXPECT_FALSE(lost.personalBest);
    EXPECT_EQ(parts.tables.bestTime(3, 123), 50);
    EXPECT_EQ(parts.tables.levelBestTime(3), 40);

    const RunOutcome kept = recordResult(parts.tables, run);
    EXPECT_EQ(kept.keeping.kept, RunKept::KeptHere);
    EXPECT_TRUE(kept.personalBest && kept.levelBest);
    EXPECT_EQ(parts.tables.levelBestTime(3), 10);
}

TEST_F(RecordResultTest, ALevelOutsideTheTablesIsAnError) {
    for (qint16 level : {36, 0}) {
        run.level = level;
        EXPECT_THROW(recordResult(parts.tables, run), platform::RuntimeError);
    }
    EXPECT_FALSE(QFile::exists(resultLogPath()));
}

TEST_F(ResultLogTest, ConcurrentAppendsFromSeveralProcessesAreAllKeptWhole) {
    constexpr int kWorkers = 8;
    constexpr int kEach = 500;
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int w = 0; w < kWorkers; ++w) {
        auto p = std::make_unique<QProcess>();
        p->setProgram(QStringLiteral(APPEND_WORKER));
        p->setArguments({state::settingsAtStartUp().dataFolder,
                         state::settingsAtStartUp().baseFolder, QString::number(101 + w),
                         QString::number(kEach)});
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        workers.push_back(std::move(p));
    }
    for (auto& p : workers) p->start();
    for (auto& p : workers) {
        ASSERT_TRUE(p->waitForFinished(100000));
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0);
    }

    const QByteArray log = readFile(resultLogPath());
    const QByteArray home = readFile(homeResultLogPath());
    ASSERT_EQ(log.size(), kWorkers * kEach * 44);
    ASSERT_EQ(home.size(), kWorkers * kEach * 66);

    // Each worker writes times 1..500 in turn: every one must be there once, in order.
    std::map<int, int> lastTime, lastHomeTime;
    for (int k = 0; k < kWorkers * kEach; ++k) {
        const char* r = log.constData() + k * 44;
        const ResultRecord rec = ResultRecord::fromBytes(r);
        ASSERT_TRUE(rec.studentNo >= 101 && rec.studentNo < 101 + kWorkers) << k;
        EXPECT_EQ(rec.level, 1);
        EXPECT_EQ(rec.classroom, QStringLiteral("W%1 ").arg(rec.studentNo));
        EXPECT_EQ(QByteArray(r + 29, 15), QByteArray("     0    ") + QByteArray(5, '\0'));
        EXPECT_EQ(rec.time, ++lastTime[rec.studentNo]) << "record " << k;

        const char* h = home.constData() + k * 66;
        const HomeResultRecord hr = HomeResultRecord::fromBytes(h);
        EXPECT_EQ(hr.folderName, QStringLiteral("drill\\") + QString(14, u' '));
        EXPECT_EQ(hr.contentTag, 0);
        ASSERT_TRUE(hr.studentNo >= 101 && hr.studentNo < 101 + kWorkers) << k;
        EXPECT_EQ(hr.classroom, QStringLiteral("W%1 ").arg(hr.studentNo));
        EXPECT_EQ(QByteArray(h + 51, 15), QByteArray(15, '\0'));
        EXPECT_EQ(hr.time, ++lastHomeTime[hr.studentNo]) << "home record " << k;
    }
    for (int w = 0; w < kWorkers; ++w) {
        EXPECT_EQ(lastTime[101 + w], kEach);
        EXPECT_EQ(lastHomeTime[101 + w], kEach);
    }
}

}  // namespace
