#include "app/program_options.h"

#include <QDir>
#include <QFileInfo>

#include "platform/errors.h"

ProgramOptions takeProgramOptions(int& argc, char** argv) {
    ProgramOptions options;
    const QString folderOption = QStringLiteral("--folder");
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        QString folder;
        if (arg == folderOption) {
            if (i + 1 >= argc) {
                options.error = QStringLiteral("--folder の後にプログラムフォルダがありません");
                break;
            }
            folder = QString::fromLocal8Bit(argv[++i]);
        } else if (arg.startsWith(folderOption + u'=')) {
            folder = arg.mid(folderOption.size() + 1);
        } else if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            options.help = true;
            continue;
        } else {
            argv[kept++] = argv[i];
            continue;
        }
        if (folder.isEmpty()) {
            options.error = QStringLiteral("--folder の後のプログラムフォルダが空です");
            break;
        }
        if (!options.programDir.isEmpty()) {
            options.error = QStringLiteral("--folder は 1 回だけ指定します");
            break;
        }
        options.programDir = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    }
    argc = kept;
    argv[argc] = nullptr;
    return options;
}

QString programUsage() {
    return QStringLiteral(
        "使い方: narabitouch [--folder プログラムフォルダ]\n"
        "\n"
        "プログラムフォルダ (例: ~/ならびタッチ/ならびタッチ、設定.txt のあるフォルダ) で\n"
        "ならびタッチを始めます。--folder がないときはプログラムのあるフォルダで始めます。\n"
        "新しい家族フォルダは narabitouch-setup new で作ります (narabitouch-setup --help)。");
}

void checkProgramFolder(const QString& programDir) {
    const QFileInfo folder(programDir);
    if (!folder.isDir()) {
        throw platform::RuntimeError(
            platform::errPathNotFound, programDir,
            QStringLiteral("プログラムフォルダがありません。家族フォルダは "
                           "narabitouch-setup new で作ります。"));
    }
    const QString settings = QDir(programDir).filePath(QStringLiteral("設定.txt"));
    if (!QFileInfo::exists(settings)) {
        throw platform::RuntimeError(
            platform::errFileNotFound, settings,
            QStringLiteral("ならびタッチのプログラムフォルダではありません "
                           "(narabitouch --folder プログラムフォルダ で始めます)。"));
    }
}
