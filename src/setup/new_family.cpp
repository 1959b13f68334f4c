#include "setup/new_family.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <vector>

#include "course/grades.h"
#include "platform/ansi.h"
#include "platform/clock.h"
#include "roster/roster.h"
#include "roster/roster_input.h"
#include "setup/family_layout.h"
#include "setup/setup_checks.h"

namespace {

const QString kLauncherFile = QStringLiteral("ならびタッチ.desktop");

int schoolYearWith(int startMonth) {
    const QDate today = platform::today();
    return schoolYearFor(today.year(), today.month(), startMonth);
}

// The classroom name as the common data holds it (after the code).
QString checkedClassroom(const QString& typed) {
    const QString name = storedRosterName(typed);
    if (name.isEmpty()) refuseInput(QStringLiteral("--classroom: 教室名が空です"));
    for (const QChar c : name) {
        if (c == u'"' || c.category() == QChar::Other_Control)
            refuseInput(
                QStringLiteral("--classroom 「%1」: 「\"」や制御文字は使えません").arg(name));
    }
    const QString missing = platform::unencodableAnsi(name);
    if (!missing.isEmpty()) {
        refuseInput(
            QStringLiteral("--classroom 「%1」: 書けない文字「%2」があります").arg(name, missing));
    }
    return name;
}

// The classroom code: the one given, or for a home without one, five digits chosen here
// (never 00000, which the program reads as no code).
QString classroomCode(const SetupRequest& request) {
    if (request.isSet(QStringLiteral("--code"))) {
        const QString code = request.value(QStringLiteral("--code"));
        static const QRegularExpression kFiveDigits(QStringLiteral("^[0-9]{5}$"));
        if (!kFiveDigits.match(code).hasMatch() || code == QStringLiteral("00000")) {
            refuseInput(
                QStringLiteral("--code 「%1」: 00000 以外の 5 桁の数字にしてください").arg(code));
        }
        return code;
    }
    const int chosen = 10000 + static_cast<int>(platform::random().next() * 90000);
    return QString::number(std::min(chosen, 99999));
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

// The desktop launcher of a family: starts `programPath` on the program folder.
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

// The data folder to lay out from: --data, or the one found beside the program.
QString dataFolderOf(const SetupRequest& request, const SetupPlaces& places) {
    const bool given = request.isSet(QStringLiteral("--data"));
    const QString folder =
        given
            ? QDir::cleanPath(QFileInfo(request.value(QStringLiteral("--data"))).absoluteFilePath())
            : places.dataFolder;
    if (QFileInfo(folder + QStringLiteral("/sounds")).isDir()) return folder;
    if (given) {
        refuseInput(QStringLiteral("--data %1: 音や絵のデータフォルダ (sounds/ と pictures/ "
                                   "のあるフォルダ) ではありません")
                        .arg(shown(folder)));
    }
    refuseInput(QStringLiteral("%1: 音や絵のデータフォルダがありません。パッケージを入れ直すか、"
                               "--data でデータフォルダ (sounds/ と pictures/ のあるフォルダ、"
                               "例: /usr/share/narabitouch) を指定してください")
                    .arg(shown(folder)));
}

}  // namespace

QString shellWord(const QString& text) {
    static const QRegularExpression kPlain(QStringLiteral("^[\\w@%+=:,./-]+$"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    if (kPlain.match(text).hasMatch()) return text;
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

int newFamily(const SetupRequest& request, const SetupPlaces& places, const SetupOutput& out) {
    const QString classroom = request.required(QStringLiteral("--classroom"));
    const bool codeGiven = request.isSet(QStringLiteral("--code"));
    const QString month = request.value(QStringLiteral("--year-start"), QStringLiteral("4"));

    FamilySettings settings;
    settings.classroomCode = classroomCode(request);
    settings.classroomName = checkedClassroom(classroom);
    settings.schoolYearStartMonth = wholeNumber(month, QStringLiteral("--year-start"), 1, 12);

    const int schoolYear = schoolYearWith(settings.schoolYearStartMonth);
    std::vector<NewStudent> students;
    for (const QString& student : request.values(QStringLiteral("--student"))) {
        const QString what = QStringLiteral("--student 「%1」").arg(student);
        const qsizetype comma = student.lastIndexOf(u',');
        if (comma < 0) refuseInput(QStringLiteral("%1: 名前,生まれた年 の形で書きます").arg(what));
        students.push_back(
            checkedStudent(student.left(comma), student.mid(comma + 1), what, what, schoolYear));
    }
    if (students.size() > static_cast<size_t>(kHomeUseLimit))
        refuseInput(QStringLiteral("--student: ") + homeUseLimitMessage());

    const QString dir = QDir::cleanPath(QFileInfo(request.folder).absoluteFilePath());
    for (const QChar c : dir) {
        if (c.category() == QChar::Other_Control)
            refuseInput(QStringLiteral("%1: フォルダ名に制御文字があります").arg(shown(dir)));
    }
    const QFileInfo dirInfo(dir);
    if (dirInfo.exists() && !dirInfo.isDir())
        refuseInput(QStringLiteral("%1: フォルダではなくファイルです").arg(shown(dir)));
    for (const QString& entry : familyEntries()) {
        const QString path = QDir(dir).filePath(entry);
        if (QFileInfo::exists(path))
            refuseInput(QStringLiteral("%1: もうあります。家族のファイルは上書きしません")
                            .arg(shown(path)));
    }
    const QString dataFolder = dataFolderOf(request, places);

    const bool madeDir = !dirInfo.exists();
    const QString programDir = QDir(dir).filePath(kProgramFolderName);
    QString problem = layOutFamily(dir, settings, students, dataFolder);
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
        refuseInput(problem);
    }
    out.standardOutput(QStringLiteral("家族フォルダ %1 を作りました (生徒 %2 人)。")
                           .arg(shown(dir))
                           .arg(students.size()));
    if (!codeGiven) {
        out.standardOutput(QStringLiteral("教室コードは %1 にしました (--code で選べます)。")
                               .arg(settings.classroomCode));
    }
    out.standardOutput(
        QStringLiteral("始めるには: %1 --folder %2")
            .arg(shellWord(shown(places.programPath)), shellWord(shown(programDir))));
    return kSetupOk;
}
