#include "setup/setup_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <utility>
#include <vector>

#include "course/grades.h"
#include "platform/ansi.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/sequential_text.h"
#include "roster/birth_year.h"
#include "roster/roster.h"
#include "roster/roster_input.h"
#include "roster/roster_text.h"
#include "setup/family_layout.h"
#include "state/roster.h"
#include "state/settings.h"

namespace {

const QString kLauncherFile = QStringLiteral("ならびタッチ.desktop");
// The program's own message when the home-use roster is full.
const QString kLimitMessage = QStringLiteral("家庭用は3人までしか登録できません");
const QString kLimitNote = QStringLiteral(" (有効な生徒は %1 人までです)").arg(kHomeUseLimit);
constexpr double kActive = 0;
constexpr double kNotActive = 1;

// Ends a command with a message: a refused input (kSetupRefused) or a usage error.
struct Refusal {
    int code;
    QString message;
};

[[noreturn]] void usageError(const QString& message) {
    throw Refusal{kSetupUsageError, message};
}
[[noreturn]] void refuse(const QString& message) {
    throw Refusal{kSetupRefused, message};
}

QString shown(const QString& path) {
    return platform::displayPath(path);
}

// The arguments of one command: the plain ones in order and the options with values.
class Arguments {
  public:
    Arguments(const QStringList& args, const QStringList& options, const QString& command) {
        for (qsizetype i = 0; i < args.size(); ++i) {
            QString arg = args[i];
            if (!arg.startsWith(QStringLiteral("--"))) {
                plain_.append(arg);
                continue;
            }
            QString value;
            const qsizetype equals = arg.indexOf(u'=');
            if (equals >= 0) {
                value = arg.mid(equals + 1);
                arg.truncate(equals);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else if (options.contains(arg)) {
                usageError(QStringLiteral("%1: 値がありません").arg(arg));
            }
            if (!options.contains(arg))
                usageError(QStringLiteral("%1: %2 では使えないオプションです").arg(arg, command));
            options_.emplace_back(arg, value);
        }
    }

    const QStringList& plain() const { return plain_; }

    QStringList values(const QString& option) const {
        QStringList found;
        for (const auto& [name, value] : options_)
            if (name == option) found.append(value);
        return found;
    }
    // The value of an option given at most once; `fallback` when it is not given.
    QString value(const QString& option, const QString& fallback = {}) const {
        const QStringList found = values(option);
        if (found.size() > 1) usageError(QStringLiteral("%1 は 1 回だけ指定します").arg(option));
        return found.isEmpty() ? fallback : found.first();
    }
    QString required(const QString& option) const {
        if (values(option).isEmpty())
            usageError(QStringLiteral("%1 を指定してください").arg(option));
        return value(option);
    }

  private:
    QStringList plain_;
    std::vector<std::pair<QString, QString>> options_;
};

// A whole number from min to max, or a refusal naming what it is.
int wholeNumber(const QString& text, const QString& what, int min, int max) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < min || number > max) {
        refuse(QStringLiteral("%1 「%2」: %3 から %4 までの整数にしてください")
                   .arg(what, text)
                   .arg(min)
                   .arg(max));
    }
    return number;
}

int schoolYearWith(int startMonth) {
    const QDate today = platform::today();
    return schoolYearFor(today.year(), today.month(), startMonth);
}

// A family folder's common data and roster, read as the program reads them.
struct Family {
    QString dir;
    RosterText roster;

    std::vector<bool> activeLines() const {
        std::vector<bool> active;
        for (const RosterLine& line : roster.lines()) active.push_back(isActiveStatus(line.status));
        return active;
    }
    // Indexes of the roster lines of a student number.
    std::vector<size_t> linesOf(int studentNo) const {
        std::vector<size_t> found;
        for (size_t i = 0; i < roster.lines().size(); ++i)
            if (roster.lines()[i].entry.studentNo == studentNo) found.push_back(i);
        return found;
    }
};

Family openFamily(const QString& dir) {
    if (!QFileInfo(dir).isDir()) refuse(QStringLiteral("%1: フォルダがありません").arg(shown(dir)));
    {
        platform::SeqTextReader in =
            platform::SeqTextReader::open(QDir(dir).filePath(kCommonDataFile));
        state::settingsAtStartUp().schoolYearStartMonth = in.readNumber();
        in.readString();
        state::settingsAtStartUp().status2Active = in.readNumber();
        for (int i = 4; i <= 10; ++i) in.readString();
    }
    state::roster().currentSchoolYear = schoolYearToday();
    return Family{dir, RosterText::read(QDir(dir).filePath(kRosterFile))};
}

QString studentLine(const RosterLine& line) {
    const RosterEntry& e = line.entry;
    return QStringLiteral("%1\t%2\t%3\t%4\t%5")
        .arg(e.studentNo)
        .arg(trimSpaces(e.studentName))
        .arg(e.birthYear)
        .arg(displayGradeLabel(gradeOf(e.birthYear)),
             isActiveStatus(line.status) ? QStringLiteral("有効") : QStringLiteral("無効"));
}

// A student of --name and --birth-year or of NAME,BIRTHYEAR; refusals name the option.
NewStudent checkedStudent(const QString& name, const QString& yearText, const QString& nameWhat,
                          const QString& yearWhat, int schoolYear) {
    const QString nameProblem = rosterNameProblem(name);
    if (!nameProblem.isEmpty()) refuse(QStringLiteral("%1: %2").arg(nameWhat, nameProblem));
    const TypedBirthYear year = readBirthYear(yearText, schoolYear);
    if (!year.problem.isEmpty()) refuse(QStringLiteral("%1: %2").arg(yearWhat, year.problem));
    return {storedRosterName(name), year.year};
}

// The classroom name as the common data holds it (after the code).
QString checkedClassroom(const QString& typed) {
    const QString name = storedRosterName(typed);
    if (name.isEmpty()) refuse(QStringLiteral("--classroom: 教室名が空です"));
    for (const QChar c : name) {
        if (c == u'"' || c.category() == QChar::Other_Control)
            refuse(QStringLiteral("--classroom 「%1」: 「\"」や制御文字は使えません").arg(name));
    }
    const QString missing = platform::unencodableAnsi(name);
    if (!missing.isEmpty()) {
        refuse(
            QStringLiteral("--classroom 「%1」: 書けない文字「%2」があります").arg(name, missing));
    }
    return name;
}

// A value of a desktop entry's Exec key: quoted, with the characters the key reserves
// escaped, then escaped once more as a string value.
QString execArgument(const QString& text) {
    QString quoted;
    for (const QChar c : text) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c;
    }
    quoted = u'"' + quoted + u'"';
    quoted.replace(u'%', QStringLiteral("%%"));
    return quoted.replace(u'\\', QStringLiteral("\\\\"));
}

QString desktopValue(QString text) {
    return text.replace(u'\\', QStringLiteral("\\\\"));
}

const QStringList& familyEntries() {
    static const QStringList entries = {kCommonDataFile,
                                        kRosterFile,
                                        QStringLiteral("生徒用名簿temp.txt"),
                                        QStringLiteral("成績累積データ家庭用.dat"),
                                        kSoundFolderName,
                                        kProgramFolderName,
                                        kLauncherFile};
    return entries;
}

int newFamily(const QStringList& args, const SetupPlaces& places, const SetupOutput& out) {
    const Arguments a(args,
                      {QStringLiteral("--classroom"), QStringLiteral("--code"),
                       QStringLiteral("--year-start"), QStringLiteral("--student")},
                      QStringLiteral("new"));
    if (a.plain().size() != 1)
        usageError(QStringLiteral("new: 家族フォルダを 1 つ指定してください"));
    const QString classroom = a.required(QStringLiteral("--classroom"));
    const QString code = a.required(QStringLiteral("--code"));
    const QString month = a.value(QStringLiteral("--year-start"), QStringLiteral("4"));

    FamilySettings settings;
    static const QRegularExpression kFiveDigits(QStringLiteral("^[0-9]{5}$"));
    if (!kFiveDigits.match(code).hasMatch() || code == QStringLiteral("00000"))
        refuse(QStringLiteral("--code 「%1」: 00000 以外の 5 桁の数字にしてください").arg(code));
    settings.classroomCode = code;
    settings.classroomName = checkedClassroom(classroom);
    settings.schoolYearStartMonth = wholeNumber(month, QStringLiteral("--year-start"), 1, 12);

    const int schoolYear = schoolYearWith(settings.schoolYearStartMonth);
    std::vector<NewStudent> students;
    for (const QString& student : a.values(QStringLiteral("--student"))) {
        const QString what = QStringLiteral("--student 「%1」").arg(student);
        const qsizetype comma = student.lastIndexOf(u',');
        if (comma < 0) refuse(QStringLiteral("%1: 名前,生まれた年 の形で書きます").arg(what));
        students.push_back(
            checkedStudent(student.left(comma), student.mid(comma + 1), what, what, schoolYear));
    }
    if (students.size() > static_cast<size_t>(kHomeUseLimit))
        refuse(QStringLiteral("--student: ") + kLimitMessage + kLimitNote);

    const QString dir = QDir::cleanPath(QFileInfo(a.plain().first()).absoluteFilePath());
    for (const QChar c : dir) {
        if (c.category() == QChar::Other_Control)
            refuse(QStringLiteral("%1: フォルダ名に制御文字があります").arg(shown(dir)));
    }
    const QFileInfo dirInfo(dir);
    if (dirInfo.exists() && !dirInfo.isDir())
        refuse(QStringLiteral("%1: フォルダではなくファイルです").arg(shown(dir)));
    for (const QString& entry : familyEntries()) {
        const QString path = QDir(dir).filePath(entry);
        if (QFileInfo::exists(path))
            refuse(QStringLiteral("%1: もうあります。家族のファイルは上書きしません")
                       .arg(shown(path)));
    }
    if (!QFileInfo(places.dataFolder + QStringLiteral("/sounds")).isDir())
        refuse(
            QStringLiteral("%1: 音や絵のデータフォルダがありません").arg(shown(places.dataFolder)));

    const bool madeDir = !dirInfo.exists();
    const QString programDir = QDir(dir).filePath(kProgramFolderName);
    QString problem = layOutFamily(dir, settings, students, places.dataFolder);
    if (problem.isEmpty()) {
        const QString launcher = QDir(dir).filePath(kLauncherFile);
        QFile file(launcher);
        const QByteArray bytes =
            launcherBytes(places.programPath, programDir, settings.classroomName);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.setPermissions(file.permissions() | QFileDevice::ExeOwner |
                                 QFileDevice::ExeGroup | QFileDevice::ExeOther)) {
            problem =
                QStringLiteral("%1: 書き込めません (%2)").arg(shown(launcher), file.errorString());
        }
    }
    if (!problem.isEmpty()) {
        // Nothing of the new family is left behind.
        for (const QString& entry : familyEntries()) {
            const QString path = QDir(dir).filePath(entry);
            if (QFileInfo(path).isDir())
                QDir(path).removeRecursively();
            else
                QFile::remove(path);
        }
        if (madeDir) QDir().rmdir(dir);
        refuse(problem);
    }
    out.standardOutput(QStringLiteral("家族フォルダ %1 を作りました (生徒 %2 人)。")
                           .arg(shown(dir))
                           .arg(students.size()));
    out.standardOutput(QStringLiteral("始めるには: %1 --folder %2")
                           .arg(shown(places.programPath), shown(programDir)));
    return kSetupOk;
}

void listStudents(const Family& family, const SetupOutput& out) {
    out.standardOutput(QStringLiteral("番号\t名前\t生まれた年\t学年\t状態"));
    for (const RosterLine& line : family.roster.lines()) out.standardOutput(studentLine(line));
}

int addStudent(Family& family, const Arguments& a, const SetupOutput& out) {
    const NewStudent student =
        checkedStudent(a.required(QStringLiteral("--name")),
                       a.required(QStringLiteral("--birth-year")), QStringLiteral("--name"),
                       QStringLiteral("--birth-year"), state::roster().currentSchoolYear);
    int number = 0;
    if (!a.values(QStringLiteral("--number")).isEmpty()) {
        number = wholeNumber(a.value(QStringLiteral("--number")), QStringLiteral("--number"), 1,
                             kMaxStudent);
        if (!family.linesOf(number).empty())
            refuse(QStringLiteral("--number %1: この番号はもう名簿にあります").arg(number));
    } else {
        // After the highest number in use, so that no one inherits the runs of a number
        // once used; the lowest free one when the highest is taken.
        for (const RosterLine& line : family.roster.lines())
            number = std::max<int>(number, line.entry.studentNo);
        ++number;
        for (int no = 1; number > kMaxStudent && no <= kMaxStudent; ++no)
            if (family.linesOf(no).empty()) number = no;
        if (number > kMaxStudent) refuse(QStringLiteral("名簿に空いている番号がありません"));
    }
    std::vector<bool> active = family.activeLines();
    active.push_back(true);
    if (!rosterLoadsAtHome(active))
        refuse(shown(QDir(family.dir).filePath(kRosterFile)) + QStringLiteral(": ") +
               kLimitMessage + kLimitNote);

    RosterEntry entry;
    entry.studentNo = static_cast<qint16>(number);
    entry.birthYear = static_cast<qint16>(student.birthYear);
    entry.studentName = platform::fixedLength(student.name, kRosterTextLength);
    entry.spareText1 = entry.spareText2 = QString(kRosterTextLength, u' ');
    family.roster.append(entry, kActive);
    family.roster.save();
    out.standardOutput(studentLine(family.roster.lines().back()));
    return kSetupOk;
}

int setStatus(Family& family, const QString& numberText, bool activate, const SetupOutput& out) {
    const int number = wholeNumber(numberText, QStringLiteral("生徒番号"), 1, kMaxStudent);
    const std::vector<size_t> lines = family.linesOf(number);
    if (lines.empty()) refuse(QStringLiteral("生徒番号 %1: 名簿にありません").arg(number));
    std::vector<bool> active = family.activeLines();
    bool changed = false;
    for (const size_t i : lines) {
        if (active[i] == activate) continue;
        family.roster.setStatus(i, activate ? kActive : kNotActive);
        active[i] = activate;
        changed = true;
    }
    if (activate && !rosterLoadsAtHome(active))
        refuse(shown(QDir(family.dir).filePath(kRosterFile)) + QStringLiteral(": ") +
               kLimitMessage + kLimitNote);
    if (changed) family.roster.save();
    for (const size_t i : lines) out.standardOutput(studentLine(family.roster.lines()[i]));
    return kSetupOk;
}

int studentCommand(const QStringList& args, const SetupOutput& out) {
    const QString sub = args.value(1);
    const QStringList rest = args.mid(2);
    if (sub == QStringLiteral("add")) {
        const Arguments a(
            rest,
            {QStringLiteral("--name"), QStringLiteral("--birth-year"), QStringLiteral("--number")},
            QStringLiteral("student add"));
        if (a.plain().size() != 1)
            usageError(QStringLiteral("student add: 家族フォルダを 1 つ指定してください"));
        a.required(QStringLiteral("--name"));
        a.required(QStringLiteral("--birth-year"));
        Family family = openFamily(a.plain().first());
        return addStudent(family, a, out);
    }
    if (sub == QStringLiteral("list") || sub == QStringLiteral("retire") ||
        sub == QStringLiteral("restore")) {
        const Arguments a(rest, {}, QStringLiteral("student ") + sub);
        const qsizetype wanted = sub == QStringLiteral("list") ? 1 : 2;
        if (a.plain().size() != wanted) {
            usageError(wanted == 1
                           ? QStringLiteral("student list: 家族フォルダを 1 つ指定してください")
                           : QStringLiteral("student %1: 家族フォルダと生徒番号を指定してください")
                                 .arg(sub));
        }
        Family family = openFamily(a.plain().first());
        if (wanted == 1) {
            listStudents(family, out);
            return kSetupOk;
        }
        return setStatus(family, a.plain()[1], sub == QStringLiteral("restore"), out);
    }
    usageError(sub.isEmpty()
                   ? QStringLiteral("student の後に add, list, retire, restore のどれかを書きます")
                   : QStringLiteral("student %1: 知らないコマンドです").arg(sub));
}

}  // namespace

QString setupUsage() {
    return QStringLiteral(
        "使い方:\n"
        "  narabitouch-setup new 家族フォルダ --classroom 教室名 --code 5桁の数字\n"
        "                    [--year-start 月] [--student 名前,生まれた年]...\n"
        "  narabitouch-setup student add 家族フォルダ --name 名前 --birth-year 年 [--number N]\n"
        "  narabitouch-setup student list 家族フォルダ\n"
        "  narabitouch-setup student retire 家族フォルダ N\n"
        "  narabitouch-setup student restore 家族フォルダ N\n"
        "\n"
        "new は新しい家族フォルダを作ります: 共通データ.txt、生徒用名簿.txt (--student の順に\n"
        "番号 1, 2, …)、音フォルダ、プログラムフォルダ ならびタッチ "
        "(設定.txt、タイム回数データ.txt、\n"
        "絵、ヘルプ、空の成績累積データ.dat) と、そのフォルダでプログラムを始める\n"
        "ならびタッチ.desktop。家族のファイルがもうあるフォルダには何も書きません。\n"
        "--year-start は学年の始まる月 (既定 4)。生まれた年は早生まれなら前の年です。\n"
        "\n"
        "student は家族フォルダ (生徒用名簿.txt と 共通データ.txt のあるフォルダ) "
        "の名簿を扱います:\n"
        "  add      有効な生徒を加えます (番号は --number か、使われている一番大きい番号の次)\n"
        "  list     番号、名前、生まれた年、学年、有効か無効かを表示します\n"
        "  retire   生徒 N を無効にします (記録は残ります)\n"
        "  restore  生徒 N を有効に戻します\n"
        "家庭用の名簿で有効なのは 4 人まで。名前は 20 文字まで (前後の空白は除きます)、「\"」と\n"
        "シフト JIS で書けない文字は使えません。生まれた年は今の学年度の 100 年前から今年度まで。\n"
        "名簿は一時ファイルに書いてから置き換え、ほかの行はそのまま残します。\n"
        "\n"
        "終了コード: 0 成功、1 入力やファイルを受け付けなかった (何も書いていません)、2 "
        "使い方の誤り");
}

int runSetup(const QStringList& args, const SetupPlaces& places, const SetupOutput& out) {
    try {
        const QString command = args.value(0);
        if (command == QStringLiteral("--help") || command == QStringLiteral("-h") ||
            args.contains(QStringLiteral("--help"))) {
            out.standardOutput(setupUsage());
            return kSetupOk;
        }
        if (command == QStringLiteral("new")) return newFamily(args.mid(1), places, out);
        if (command == QStringLiteral("student")) return studentCommand(args, out);
        usageError(command.isEmpty() ? QStringLiteral("コマンドがありません")
                                     : QStringLiteral("%1: 知らないコマンドです").arg(command));
    } catch (const Refusal& refusal) {
        out.standardError(QStringLiteral("narabitouch-setup: ") + refusal.message);
        if (refusal.code == kSetupUsageError)
            out.standardError(QStringLiteral("narabitouch-setup --help で使い方を表示します"));
        return refusal.code;
    } catch (const platform::RuntimeError& e) {
        QString text = QStringLiteral("narabitouch-setup: %1: %2 (エラー %3)")
                           .arg(shown(e.file()), e.description())
                           .arg(e.number());
        if (!e.detail().isEmpty()) text += u' ' + e.detail();
        out.standardError(text);
        return kSetupRefused;
    }
}

QByteArray launcherBytes(const QString& programPath, const QString& programDir,
                         const QString& classroomName) {
    const QString text =
        QStringLiteral(
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=ならびタッチ\n"
            "Comment=%1\n"
            "Exec=%2 --folder %3\n"
            "Icon=narabitouch\n"
            "Terminal=false\n"
            "Categories=Education;\n")
            .arg(desktopValue(classroomName), execArgument(programPath), execArgument(programDir));
    return text.toUtf8();
}
