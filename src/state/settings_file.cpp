#include "state/settings_file.h"

#include "platform/errors.h"
#include "platform/numeric.h"
#include "platform/sequential_text.h"
#include "state/settings.h"

namespace {

const QString kSettingsFile = QStringLiteral("設定.txt");
const QString kCommonFile = QStringLiteral("共通データ.txt");
constexpr int kValuesPerFile = 10;

// The layout mode: text that is not a number counts as 0 (the flat layout) instead of
// stopping the start-up.
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
    state::Settings& settings = state::settingsAtStartUp();
    settings.screenBackColor = qRgb(0, 128, 128);

    // "設定.txt": the layout mode, then nine values nobody uses.
    {
        platform::SeqTextReader in =
            platform::SeqTextReader::open(programDir + u'/' + kSettingsFile);
        settings.layoutMode = lenientNumber(in.readString());
        for (int i = 2; i <= kValuesPerFile; ++i) in.readString();
    }

    settings.homeUse = 1;
    const FolderLayout folders = resolveFolders(programDir, settings.layoutMode);
    settings.programFolder = folders.programFolder;
    settings.baseFolder = folders.baseFolder;

    // "共通データ.txt": school-year start month, classroom, status-2 switch, then seven
    // values that are read past: the file must hold them, nothing uses them.
    {
        const QString path = settings.baseFolder + kCommonFile;
        platform::SeqTextReader in = platform::SeqTextReader::open(path);
        // Any month is taken, as the Windows machines take it: before 1 the school year
        // is the calendar year, beyond 12 the year before.
        const double month = in.readNumber();
        settings.schoolYearStartMonth = month;
        settings.classroomName = in.readString();
        settings.status2Active = in.readNumber();
        for (int i = 4; i <= kValuesPerFile; ++i) in.readString();
    }

    settings.classroomCode.clear();
    splitClassroomCode(settings.classroomName, &settings.classroomCode, &settings.classroomName);

    settings.dataFolder = folders.dataFolder;
    settings.soundFolder = folders.soundFolder;
}
