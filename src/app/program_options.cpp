#include "app/program_options.h"

#include <QDir>
#include <QFileInfo>

#include "platform/command_line.h"
#include "platform/errors.h"
#include "state/folder_guess.h"

namespace {

const QString kFolder = QStringLiteral("folder");

// Qt's own options, with a value or without, passed on as they are.
const QStringList kQtValueOptions = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("display"),
    QStringLiteral("geometry"),        QStringLiteral("style"),
    QStringLiteral("stylesheet"),      QStringLiteral("session")};
const QStringList kQtFlags = {QStringLiteral("reverse"), QStringLiteral("nograb"),
                              QStringLiteral("dograb"), QStringLiteral("sync"),
                              QStringLiteral("widgetcount")};

platform::CommandLine programCommandLine() {
    platform::CommandLine line(
        {QStringLiteral("narabitouch"),
         {QStringLiteral("[--folder プログラムフォルダ]")},
         QStringLiteral(
             "プログラムフォルダ (例: ~/ならびタッチ/ならびタッチ、設定.txt のあるフォルダ) で\n"
             "ならびタッチを始めます。--folder がないときはプログラムのあるフォルダで始めます。\n"
             "家族フォルダ (共通データ.txt のあるフォルダ) を指定すると、その中の\n"
             "プログラムフォルダが 1 つならそれで始めます。"),
         QStringLiteral("新しい家族フォルダは narabitouch-setup new で作ります "
                        "(narabitouch-setup --help)。"),
         QStringLiteral("0 終了、1 ファイルの誤りなどで終了、2 使い方の誤り")});
    line.addOption(QCommandLineOption(kFolder, QStringLiteral("このプログラムフォルダで始めます"),
                                      QStringLiteral("プログラムフォルダ")));
    for (const QString& name : kQtValueOptions) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        line.addOption(option);
    }
    for (const QString& name : kQtFlags) {
        QCommandLineOption option(name, QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        line.addOption(option);
    }
    return line;
}

}  // namespace

ProgramOptions readProgramOptions(const std::vector<QByteArray>& arguments) {
    ProgramOptions options;
    options.qtArguments.push_back(arguments.empty() ? QByteArray("narabitouch")
                                                    : arguments.front());
    QStringList args;
    for (size_t i = 1; i < arguments.size(); ++i) args << QString::fromLocal8Bit(arguments[i]);
    platform::CommandLine line = programCommandLine();
    switch (line.parse(args)) {
        case platform::CommandLine::Outcome::Help:
            options.help = true;
            return options;
        case platform::CommandLine::Outcome::Version:
            options.version = true;
            return options;
        case platform::CommandLine::Outcome::UsageError:
            options.error = line.error();
            return options;
        case platform::CommandLine::Outcome::Run:
            break;
    }
    const QCommandLineParser& parser = line.parser();
    if (!parser.positionalArguments().isEmpty()) {
        options.error = QStringLiteral("%1: プログラムフォルダは --folder の後に書きます")
                            .arg(parser.positionalArguments().first());
        return options;
    }
    const QStringList folders = parser.values(kFolder);
    if (folders.size() > 1) {
        options.error = QStringLiteral("--folder は 1 回だけ指定します");
        return options;
    }
    if (folders.size() == 1) {
        if (folders.first().isEmpty()) {
            options.error = QStringLiteral("--folder の後のプログラムフォルダが空です");
            return options;
        }
        // A family folder holding one program folder starts that one.
        const FolderGuess guess = programFolderFor(folders.first());
        options.programDir = guess.folder.isEmpty()
                                 ? QDir::cleanPath(QFileInfo(folders.first()).absoluteFilePath())
                                 : guess.folder;
    }
    for (const QString& name : kQtValueOptions) {
        for (const QString& value : parser.values(name)) {
            options.qtArguments.push_back('-' + name.toLatin1());
            options.qtArguments.push_back(value.toLocal8Bit());
        }
    }
    for (const QString& name : kQtFlags)
        if (parser.isSet(name)) options.qtArguments.push_back('-' + name.toLatin1());
    return options;
}

QString programUsage() {
    return programCommandLine().helpText();
}

QString programVersionLine() {
    return programCommandLine().versionText();
}

QString programHelpHint() {
    return programCommandLine().helpHint();
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
        const FolderGuess guess = programFolderFor(programDir);
        throw platform::RuntimeError(
            platform::errFileNotFound, settings,
            QStringLiteral("ならびタッチのプログラムフォルダではありません "
                           "(narabitouch --folder プログラムフォルダ で始めます)。") +
                (guess.problem.isEmpty() ? QString() : u'\n' + guess.problem));
    }
}
