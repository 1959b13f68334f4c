// The three commands' command lines as a shell runs them, without any display: --help and
// --version in one form, a bad option named with exit code 2.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "support/temp_files.h"

namespace {

struct Finished {
    int code = -1;
    QString out;
    QString err;
};

Finished runWithoutDisplay(const QString& program, const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Asking for a window system now would abort the program.
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(env);
    process.start(program, args);
    Finished run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return run;
    run.code = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

TEST(CommandLines, HelpVersionAndBadOptionsTakeOneFormInEveryCommand) {
    const QString version = QStringLiteral(PROJECT_VERSION);
    struct Case {
        const char* program;
        QStringList args;
        int code;
        QString firstLine;  // of standard output for exit code 0, of standard error otherwise
    };
    const Case cases[] = {
        {NARABITOUCH, {"--help"}, 0, "使い方: narabitouch [--folder プログラムフォルダ]"},
        {NARABITOUCH, {"--version"}, 0, "narabitouch " + version},
        {NARABITOUCH, {"--colour", "red"}, 2, "narabitouch: --colour: 知らないオプションです"},
        {NARABITOUCH, {"--folder"}, 2, "narabitouch: --folder の後に値がありません"},
        {NARABITOUCH_SETUP,
         {"-h"},
         0,
         "使い方: narabitouch-setup new 家族フォルダ --classroom 教室名 [--code 5桁の数字]"},
        {NARABITOUCH_SETUP, {"--version"}, 0, "narabitouch-setup " + version},
        {NARABITOUCH_SETUP,
         {"new", "x", "--colour", "red"},
         2,
         "narabitouch-setup: --colour: 知らないオプションです"},
        {NARABITOUCH_SETUP,
         {"student", "list", "x", "--code", "12345"},
         2,
         "narabitouch-setup: --code: student list では使えないオプションです"},
        {NARABITOUCH_EXPORT,
         {"--help"},
         0,
         "使い方: narabitouch-export プログラムフォルダ [--from yyyy-mm-dd] [--to yyyy-mm-dd]"},
        {NARABITOUCH_EXPORT, {"x", "--version"}, 0, "narabitouch-export " + version},
        {NARABITOUCH_EXPORT, {"x", "-x"}, 2, "narabitouch-export: -x: 知らないオプションです"},
        {NARABITOUCH_EXPORT, {"x", "-o"}, 2, "narabitouch-export: -o の後に値がありません"},
    };
    for (const Case& c : cases) {
        const QString what = QString::fromUtf8(c.program) + u' ' + c.args.join(u' ');
        const Finished run = runWithoutDisplay(QString::fromUtf8(c.program), c.args);
        EXPECT_EQ(run.code, c.code) << what.toStdString() << ": " << run.err.toStdString();
        const QString text = c.code == 0 ? run.out : run.err;
        EXPECT_EQ(text.section(u'\n', 0, 0), c.firstLine) << what.toStdString();
        if (c.code == 2) {
            EXPECT_TRUE(run.err.contains(QStringLiteral("--help で使い方"))) << what.toStdString();
        }
        // Every --help lists its options and exit codes the same way.
        if (c.args.contains(QStringLiteral("--help")) || c.args.contains(QStringLiteral("-h"))) {
            EXPECT_TRUE(run.out.contains(QStringLiteral("\nオプション:\n  -h, --help ")))
                << what.toStdString();
            EXPECT_TRUE(run.out.contains(QStringLiteral("\n  --version ")));
            EXPECT_TRUE(run.out.contains(QStringLiteral("\n\n終了コード: 0 ")));
        }
    }
}

}  // namespace
