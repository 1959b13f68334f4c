// narabitouch-setup as a family uses it: a folder laid out by the command and opened by the
// program, in the build folder and installed into a temporary prefix.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/program_gui.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/shell.h"
#include "platform/wait.h"
#include "roster/name_selection_gui.h"
#include "state/session.h"
#include "support/platform_defaults.h"
#include "support/program_state.h"
#include "support/test_flow_gui.h"

namespace {

const QString kProgramName = QStringLiteral("ならびタッチ");

// Runs a program to its end; its exit code (-1 when it did not end normally).
int runToEnd(const QString& program, const QStringList& args, QString* output = nullptr) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) return -1;
    if (output) *output = QString::fromUtf8(process.readAll());
    return process.exitCode();
}

QStringList newFamilyArgs(const QString& family) {
    return {"new",   family,      "--classroom",   "さくら教室", "--code",
            "12345", "--student", "鈴木一郎,2012", "--student",  "山田花子,2018"};
}

TEST(SetupCommand, AFamilyLaidOutByTheCommandOpensOnItsNameList) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString family = tmp.path() + QStringLiteral("/family");
    QString output;
    ASSERT_EQ(runToEnd(QStringLiteral(NARABITOUCH_SETUP), newFamilyArgs(family), &output), 0)
        << output.toStdString();

    state::resetRunState();
    platform::FakeClock clock{QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0))};
    platform::RecordingMedia media;
    platform::RecordingMessageBoxes boxes;
    platform::RecordingShell shell;
    platform::setClock(&clock);
    platform::setMedia(&media);
    platform::setMessageBoxes(&boxes);
    platform::setShell(&shell);
    platform::setEndHandler([](int) {});
    platform::setWaitHandler([&clock](int ms) { clock.advanceMs(ms); });
    Program program(Program::Platform::Installed);

    EXPECT_TRUE(program.start(family + u'/' + kProgramName))
        << (boxes.shown.isEmpty() ? "" : boxes.shown[0].text.toStdString());
    QStringList rows;
    const bool listed = QTest::qWaitFor([&] {
        NameSelection* names = program.flow().nameSelection();
        auto* list = names ? names->findChild<QListWidget*>(QStringLiteral("List1")) : nullptr;
        rows.clear();
        for (int i = 0; list && i < list->count(); ++i) rows << list->item(i)->text();
        return rows.size() == 3;
    });
    ASSERT_TRUE(listed) << rows.join(u'|').toStdString();
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("中2 鈴木一郎"))) << rows[1].toStdString();
    EXPECT_TRUE(rows[2].startsWith(QStringLiteral("小2 山田花子"))) << rows[2].toStdString();
    EXPECT_TRUE(boxes.shown.isEmpty());

    closeEveryWindow();
    restorePlatformDefaults();
    state::resetRunState();
}

TEST(SetupCommand, TheInstalledProgramStartsOnTheFolderGiven) {
    QTemporaryDir prefix;
    QTemporaryDir locks;  // the program's single-instance lock goes here
    ASSERT_TRUE(prefix.isValid() && locks.isValid());
    QString output;
    ASSERT_EQ(
        runToEnd(QStringLiteral(CMAKE_COMMAND),
                 {"--install", QStringLiteral(BUILD_DIR), "--prefix", prefix.path()}, &output),
        0)
        << output.toStdString();
    const QString family = prefix.path() + QStringLiteral("/family");
    ASSERT_EQ(runToEnd(prefix.path() + QStringLiteral("/bin/narabitouch-setup"),
                       newFamilyArgs(family), &output),
              0)
        << output.toStdString();
    const QString programDir = family + u'/' + kProgramName;
    EXPECT_FALSE(QDir(programDir + QStringLiteral("/help")).isEmpty());

    // Once the name list is up, the program holds the lock of its program folder.
    const QString lock =
        QStringLiteral("narabitouch-%1.lock")
            .arg(QString::fromLatin1(
                QCryptographicHash::hash(programDir.toUtf8(), QCryptographicHash::Sha1)
                    .toHex()
                    .left(16)));
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TMPDIR"), locks.path());
    program.setProcessEnvironment(env);
    program.start(prefix.path() + QStringLiteral("/bin/narabitouch"), {"--folder", programDir});
    ASSERT_TRUE(program.waitForStarted());
    const bool held =
        QTest::qWaitFor([&] { return QFile::exists(QDir(locks.path()).filePath(lock)); }, 60000);
    EXPECT_TRUE(held) << QDir(locks.path()).entryList().join(u' ').toStdString();
    // Soon after, it has loaded its sound module from the installed private folder.
    const QString module =
        prefix.path() + QStringLiteral("/" MODULE_INSTALL_DIR "/narabitouch-sound.so");
    const auto mapped = [&] {
        QFile maps(QStringLiteral("/proc/%1/maps").arg(program.processId()));
        return maps.open(QIODevice::ReadOnly) &&
               QString::fromLocal8Bit(maps.readAll()).contains(module);
    };
    EXPECT_TRUE(QTest::qWaitFor(mapped, 10000)) << module.toStdString();
    program.kill();
    program.waitForFinished();
}

}  // namespace
