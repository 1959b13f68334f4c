// The real program in a process of its own, with its own window layer: a run-time error
// shown while a screen is being built ends the program with its exit code once the
// message is dismissed, never with a crash; a life that played sounds ends cleanly too.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>

#include "results/result_log.h"

namespace {

const QString kProgramName = QStringLiteral("ならびタッチ");

struct ProgramRun {
    QProcess::ExitStatus status;
    int code;
    QString out;
};

ProgramRun runProgramIn(const QString& programDir, const QStringList& clicks = {},
                        QProcessEnvironment env = QProcessEnvironment::systemEnvironment()) {
    QProcess program;
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(PROGRAM_RUNNER), QStringList{programDir} + clicks);
    EXPECT_TRUE(program.waitForFinished(60000));
    return {program.exitStatus(), program.exitCode(),
            QString::fromUtf8(program.readAllStandardOutput())};
}

TEST(ProgramEnd, ALogRecordOutsideTheTablesEndsTheProgramAfterItsMessage) {
    QTemporaryDir family;
    ASSERT_TRUE(family.isValid());
    ASSERT_EQ(QProcess::execute(QStringLiteral(MAKE_DEMO), {family.path(), kProgramName}), 0);
    const QString programDir = family.path() + u'/' + kProgramName;

    for (const qint16 level : {qint16(40), qint16(-3)}) {
        ResultRecord bad;
        bad.date = 46364;
        bad.studentNo = 1;
        bad.level = level;
        bad.time = 30;
        QFile log(programDir + QStringLiteral("/成績累積データ.dat"));
        ASSERT_TRUE(log.open(QIODevice::WriteOnly | QIODevice::Truncate));
        log.write(bad.toBytes());
        log.close();

        const ProgramRun run = runProgramIn(programDir);
        EXPECT_EQ(run.status, QProcess::NormalExit) << "level " << level;
        EXPECT_EQ(run.code, 1) << "level " << level;
        EXPECT_TRUE(run.out.contains(QStringLiteral("box: 成績ランダムファイル表示")))
            << run.out.toStdString();
        // The path in the message is cleaned (the folders are built through "..").
        EXPECT_TRUE(run.out.contains(QDir::toNativeSeparators(
            QDir::cleanPath(programDir + QStringLiteral("/成績累積データ.dat")))))
            << run.out.toStdString();
        EXPECT_FALSE(run.out.contains(QStringLiteral(".."))) << run.out.toStdString();
    }
}

// The sounds of the real sound module go before the application object, whose multimedia
// parts they need while they are freed: ending through "終了" after sounds played exits
// with 0, not with a signal or a process left spinning.
TEST(ProgramEnd, EndsCleanlyAfterSoundsPlayed) {
    QTemporaryDir family;
    ASSERT_TRUE(family.isValid());
    ASSERT_EQ(QProcess::execute(QStringLiteral(MAKE_DEMO), {family.path(), kProgramName}), 0);
    // A sound server of the test's own, with an output that plays into nothing.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), family.path());
    env.remove(QStringLiteral("PULSE_SERVER"));
    QProcess server;
    server.setProcessEnvironment(env);
    server.start(QStringLiteral("pulseaudio"),
                 {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                  QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=false"),
                  QStringLiteral("-L"), QStringLiteral("module-null-sink"), QStringLiteral("-L"),
                  QStringLiteral("module-native-protocol-unix")});
    if (!server.waitForStarted(5000)) GTEST_SKIP() << "pulseaudio cannot be started";
    const auto stopServer = qScopeGuard([&] {
        server.kill();
        server.waitForFinished(5000);
    });
    QProcess info;
    info.setProcessEnvironment(env);
    bool up = false;
    for (int attempt = 0; attempt < 50 && !up; ++attempt) {
        info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        up = info.waitForFinished(2000) && info.exitCode() == 0;
        if (!up) QThread::msleep(100);
    }
    ASSERT_TRUE(up) << "the sound server does not answer";

    // "O.K." without a name sounds 間違い音2; twice, then "終了".
    const ProgramRun run = runProgramIn(
        family.path() + u'/' + kProgramName,
        {QStringLiteral("Command14"), QStringLiteral("Command14"), QStringLiteral("Command7")},
        env);
    EXPECT_EQ(run.status, QProcess::NormalExit) << run.out.toStdString();
    EXPECT_EQ(run.code, 0) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("click: Command7"))) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains(QStringLiteral("box:"))) << run.out.toStdString();
}

}  // namespace
