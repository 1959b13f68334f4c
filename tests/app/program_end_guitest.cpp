// The real program in a process of its own, with its own window layer: a run-time error
// shown while a screen is being built ends the program with its exit code once the
// message is dismissed, never with a crash.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "results/result_log.h"

namespace {

const QString kProgramName = QStringLiteral("ならびタッチ");

struct ProgramRun {
    QProcess::ExitStatus status;
    int code;
    QString out;
};

ProgramRun runProgramIn(const QString& programDir) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(PROGRAM_RUNNER), {programDir});
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

}  // namespace
