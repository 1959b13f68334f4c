#include "setup/setup_options.h"

#include "platform/command_line.h"
#include "setup/setup_types.h"

namespace {

struct Command {
    QString name;  // as the messages name it: "student add"
    SetupAction action;
    qsizetype arguments;  // plain arguments after the command's own words
    QStringList options;  // without the dashes
};

const Command kCommands[] = {
    {QStringLiteral("new"),
     SetupAction::NewFamily,
     1,
     {QStringLiteral("classroom"), QStringLiteral("code"), QStringLiteral("year-start"),
      QStringLiteral("student"), QStringLiteral("data")}},
    {QStringLiteral("student add"),
     SetupAction::StudentAdd,
     1,
     {QStringLiteral("name"), QStringLiteral("birth-year"), QStringLiteral("number")}},
    {QStringLiteral("student list"), SetupAction::StudentList, 1, {}},
    {QStringLiteral("student retire"), SetupAction::StudentRetire, 2, {}},
    {QStringLiteral("student restore"), SetupAction::StudentRestore, 2, {}},
};

platform::CommandLine setupCommandLine() {
    platform::CommandLine line(
        {QStringLiteral("narabitouch-setup"),
         {QStringLiteral("new 家族フォルダ --classroom 教室名 [--code 5桁の数字]"),
          QStringLiteral("     [--year-start 月] [--student 名前,生まれた年]... [--data フォルダ]"),
          QStringLiteral("student add 家族フォルダ --name 名前 --birth-year 年 [--number N]"),
          QStringLiteral("student list 家族フォルダ"),
          QStringLiteral("student retire 家族フォルダ N"),
          QStringLiteral("student restore 家族フォルダ N")},
         QStringLiteral(
             "new は新しい家族フォルダを作ります: 共通データ.txt、生徒用名簿.txt (--student "
             "の順に\n"
             "番号 1, 2, …)、音フォルダ、プログラムフォルダ ならびタッチ (設定.txt、"
             "タイム回数データ.txt、\n"
             "絵、ヘルプ、空の成績累積データ.dat) と、そのフォルダでプログラムを始める\n"
             "ならびタッチ.desktop。家族のファイルがもうあるフォルダには何も書きません。\n"
             "\n"
             "student は家族フォルダ (生徒用名簿.txt と 共通データ.txt のあるフォルダ) "
             "の名簿を扱います:\n"
             "  add      有効な生徒を加えます (番号は --number "
             "か、使われている一番大きい番号の次)\n"
             "  list     番号、名前、生まれた年、学年、有効か無効かを表示します\n"
             "  retire   生徒 N を無効にします (記録は残ります)\n"
             "  restore  生徒 N を有効に戻します\n"
             "プログラムフォルダを指定すると、それを含む家族フォルダを使います。"),
         QStringLiteral(
             "家庭用の名簿で有効なのは 4 人まで。名前は 20 文字まで (前後の空白は除きます)、"
             "「\"」と\n"
             "シフト JIS で書けない文字は使えません。生まれた年は今の学年度の 100 年前から"
             "今年度まで。\n"
             "名簿は一時ファイルに書いてから置き換え、ほかの行はそのまま残します。"),
         QStringLiteral("0 成功、1 入力やファイルを受け付けなかった (何も書いていません)、"
                        "2 使い方の誤り")});
    const auto add = [&line](const char* name, const char* description, const char* value) {
        line.addOption(
            {QString::fromUtf8(name), QString::fromUtf8(description), QString::fromUtf8(value)});
    };
    add("classroom", "new: 教室名 (家庭なら家族の名前など)", "教室名");
    add("code", "new: 教室コード、00000 以外の 5 桁の数字 (ないときは選んで知らせます)",
        "5桁の数字");
    add("year-start", "new: 学年の始まる月 (既定 4)", "月");
    add("student", "new: 生徒 (何回でも)。生まれた年は早生まれなら前の年です", "名前,生まれた年");
    add("data", "new: 音や絵のデータフォルダ (既定: プログラムの隣の share/narabitouch)",
        "フォルダ");
    add("name", "student add: 名前", "名前");
    add("birth-year", "student add: 生まれた年", "年");
    add("number", "student add: 生徒番号 (1 から 5000)", "N");
    return line;
}

}  // namespace

QStringList SetupRequest::values(const QString& option) const {
    const auto found = options.find(option);
    return found == options.end() ? QStringList() : found->second;
}

QString SetupRequest::value(const QString& option, const QString& fallback) const {
    const QStringList found = values(option);
    if (found.size() > 1) refuseUsage(QStringLiteral("%1 は 1 回だけ指定します").arg(option));
    return found.isEmpty() ? fallback : found.first();
}

QString SetupRequest::required(const QString& option) const {
    if (values(option).isEmpty()) refuseUsage(QStringLiteral("%1 を指定してください").arg(option));
    return value(option);
}

void refuseUsage(const QString& message) {
    throw SetupRefusal{kSetupUsageError, message};
}

void refuseInput(const QString& message) {
    throw SetupRefusal{kSetupRefused, message};
}

SetupRequest parseSetupArguments(const QStringList& args) {
    platform::CommandLine line = setupCommandLine();
    SetupRequest request;
    switch (line.parse(args)) {
        case platform::CommandLine::Outcome::Help:
            request.action = SetupAction::Help;
            return request;
        case platform::CommandLine::Outcome::Version:
            request.action = SetupAction::Version;
            return request;
        case platform::CommandLine::Outcome::UsageError:
            refuseUsage(line.error());
        case platform::CommandLine::Outcome::Run:
            break;
    }
    const QCommandLineParser& parser = line.parser();
    const QStringList plain = parser.positionalArguments();
    const QString first = plain.value(0);
    if (first.isEmpty()) refuseUsage(QStringLiteral("コマンドがありません"));
    if (first != QStringLiteral("new") && first != QStringLiteral("student"))
        refuseUsage(QStringLiteral("%1: 知らないコマンドです").arg(first));
    const qsizetype words = first == QStringLiteral("student") ? 2 : 1;
    if (words == 2 && plain.size() < 2)
        refuseUsage(QStringLiteral("student の後に add, list, retire, restore のどれかを書きます"));
    const QString name = plain.mid(0, words).join(u' ');
    const Command* command = nullptr;
    for (const Command& c : kCommands)
        if (c.name == name) command = &c;
    if (!command) refuseUsage(QStringLiteral("%1: 知らないコマンドです").arg(name));

    for (const QString& option : parser.optionNames()) {
        if (!command->options.contains(option)) {
            refuseUsage(QStringLiteral("--%1: %2 では使えないオプションです").arg(option, name));
        }
        request.options[QStringLiteral("--") + option] = parser.values(option);
    }
    const QStringList rest = plain.mid(words);
    if (rest.size() != command->arguments) {
        refuseUsage(command->arguments == 1
                        ? QStringLiteral("%1: 家族フォルダを 1 つ指定してください").arg(name)
                        : QStringLiteral("%1: 家族フォルダと生徒番号を指定してください").arg(name));
    }
    request.action = command->action;
    request.folder = rest.first();
    request.studentNo = rest.value(1);
    return request;
}

QString setupUsage() {
    return setupCommandLine().helpText();
}

QString setupVersionLine() {
    return setupCommandLine().versionText();
}

QString setupHelpHint() {
    return setupCommandLine().helpHint();
}
