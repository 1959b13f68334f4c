#include "app/settings.h"

#include "app/catalogue.h"
#include "app/shared_state.h"
#include "platform/errors.h"
#include "platform/numeric.h"
#include "platform/sequential_text.h"
#include "results/level_targets.h"
#include "sound/sound.h"

namespace {

const QString kSettingsFile = QStringLiteral("設定.txt");
const QString kCommonFile = QStringLiteral("共通データ.txt");
constexpr int kValuesPerFile = 10;

// A value that should be a number but is only kept: text that is not a number counts
// as 0 instead of stopping the start-up.
double lenientNumber(const QString& text) {
    return platform::leadingNumber(text);
}

}  // namespace

QString programFolderNameOf(const QString& programDir) {
    QString name = programDir;
    for (qsizetype at = name.indexOf(u'/'); at >= 0; at = name.indexOf(u'/'))
        name.remove(0, at + 1);
    return name;
}

FolderLayout resolveFolders(const QString& programDir, double layoutMode) {
    FolderLayout f;
    f.programFolder = programDir + u'/';
    f.programFolderName = programFolderNameOf(programDir);
    if (layoutMode == 1) {
        f.baseFolder = programDir + QStringLiteral("/../files/");
        f.dataFolder = f.programFolder;
        f.soundFolder = f.baseFolder + QStringLiteral("../") + QStringLiteral("files/");
    } else {
        f.baseFolder = programDir + QStringLiteral("/../");
        f.dataFolder = f.baseFolder + f.programFolderName + u'/';
        f.soundFolder = f.baseFolder + QStringLiteral("音フォルダ") + u'/';
    }
    return f;
}

void splitClassroomCode(const QString& text, QString* code, QString* name) {
    const QString head = text.left(5);
    if (platform::leadingNumber(head) != 0) {
        *code = head;
        *name = text.mid(5);
    } else {
        code->clear();
        *name = text;
    }
}

void loadSettings(const QString& programDir) {
    shared.screenBackColor = qRgb(0, 128, 128);

    // "設定.txt": the layout mode, then nine values nobody uses.
    {
        platform::SeqTextReader in =
            platform::SeqTextReader::open(programDir + u'/' + kSettingsFile);
        shared.layoutMode = lenientNumber(in.readString());
        for (int i = 2; i <= kValuesPerFile; ++i) in.readString();
    }

    shared.errorTrapping = 0;
    shared.homeUse = 1;
    const FolderLayout folders = resolveFolders(programDir, shared.layoutMode);
    shared.programFolder = folders.programFolder;
    shared.baseFolder = folders.baseFolder;

    // "共通データ.txt": school-year start month, classroom, status-2 switch, then seven
    // values that are only kept.
    {
        const QString path = shared.baseFolder + kCommonFile;
        platform::SeqTextReader in = platform::SeqTextReader::open(path);
        // Any month is taken, as the Windows machines take it: before 1 the school year
        // is the calendar year, beyond 12 the year before.
        const double month = in.readNumber();
        shared.schoolYearStartMonth = month;
        shared.classroomName = in.readString();
        shared.status2Active = in.readNumber();
        shared.commonValue4 = lenientNumber(in.readString());
        for (QString& extra : shared.commonExtra) extra = in.readString();
    }

    shared.classroomCode.clear();
    splitClassroomCode(shared.classroomName, &shared.classroomCode, &shared.classroomName);

    shared.programFolderName = folders.programFolderName;
    shared.dataFolder = folders.dataFolder;
    shared.soundFolder = folders.soundFolder;
}

void startUp(const QString& programDir) {
    loadSettings(programDir);
    catalogue::setTitle();
    loadLevelTargets();
    loadSoundTable();
}

QString gradeMarker(int gradeCode) {
    static const QString kMarkers[] = {
        QStringLiteral("①"), QStringLiteral("②"), QStringLiteral("③"),
        QStringLiteral("④"), QStringLiteral("⑤"), QStringLiteral("⑥"),
        QStringLiteral("Ⅰ"), QStringLiteral("Ⅱ"), QStringLiteral("Ⅲ"),
    };
    if (gradeCode >= 1 && gradeCode <= 9) return kMarkers[gradeCode - 1];
    return QStringLiteral("　");
}

bool gradeInGroup(int gradeCode, const QString& groupText) {
    if (groupText == QStringLiteral("全学年") || groupText == QStringLiteral("家族")) return true;
    if (groupText == QStringLiteral("小学生全体")) return gradeCode >= 1 && gradeCode <= 6;
    if (groupText == QStringLiteral("中学生全体")) return gradeCode >= 7 && gradeCode <= 9;
    static const QString kGrades[] = {
        QStringLiteral("小１"), QStringLiteral("小２"), QStringLiteral("小３"),
        QStringLiteral("小４"), QStringLiteral("小５"), QStringLiteral("小６"),
        QStringLiteral("中１"), QStringLiteral("中２"), QStringLiteral("中３"),
    };
    for (int i = 0; i < 9; ++i) {
        if (groupText == kGrades[i]) return gradeCode == i + 1;
    }
    return false;
}
