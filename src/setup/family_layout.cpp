#include "setup/family_layout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QVariantList>
#include <functional>

#include "platform/errors.h"
#include "platform/sequential_text.h"
#include "roster/roster.h"

namespace {

const QString kSettingsFile = QStringLiteral("設定.txt");
const QString kTargetsFile = QStringLiteral("タイム回数データ.txt");
const QString kLogFile = QStringLiteral("成績累積データ.dat");
const QString kSoundTableFile = QStringLiteral("新音ファイル.txt");

QByteArray textBytes(const QList<QVariantList>& lines) {
    platform::SeqTextWriter writer;
    for (const QVariantList& line : lines) writer.writeLine(line);
    return writer.bytes();
}

QList<QVariantList> tenZeros() {
    QList<QVariantList> lines;
    for (int i = 0; i < 10; ++i) lines.append({QVariant(0)});
    return lines;
}

QString shown(const QString& path) {
    return platform::displayPath(path);
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        return QStringLiteral("%1: 書き込めません (%2)").arg(shown(path), file.errorString());
    }
    return {};
}

QString makeFolder(const QString& path) {
    if (QDir().mkpath(path)) return {};
    return QStringLiteral("%1: フォルダを作れません").arg(shown(path));
}

// Copies a folder's files and subfolders, replacing files of the same name.
QString copyFolder(const QString& from, const QString& to) {
    if (!QFileInfo(from).isDir())
        return QStringLiteral("%1: フォルダがありません").arg(shown(from));
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        const QString folder = makeFolder(QFileInfo(target).absolutePath());
        if (!folder.isEmpty()) return folder;
        QFile::remove(target);
        if (!QFile::copy(source, target))
            return QStringLiteral("%1: %2 に写せません").arg(shown(source), shown(target));
    }
    return {};
}

}  // namespace

QByteArray commonDataBytes(const FamilySettings& settings) {
    QList<QVariantList> lines = tenZeros();
    lines[0] = {QVariant(settings.schoolYearStartMonth)};
    lines[1] = {QVariant(settings.classroomCode + settings.classroomName)};
    return textBytes(lines);
}

QByteArray newRosterBytes(const std::vector<NewStudent>& students) {
    std::vector<RosterEntry> entries(students.size() + 1);
    std::vector<double> statuses(students.size() + 1, 0.0);
    for (size_t i = 0; i < students.size(); ++i) {
        RosterEntry& e = entries[i + 1];
        e.studentNo = static_cast<qint16>(i + 1);
        e.birthYear = static_cast<qint16>(students[i].birthYear);
        e.studentName = students[i].name;
    }
    return rosterBytes(entries, statuses, static_cast<int>(students.size()));
}

QByteArray programSettingsBytes() {
    return textBytes(tenZeros());
}

QByteArray defaultTargetsBytes() {
    // passTime, secondTime, clearPoints, clearCount, pointWeight, freeCount, freePoints,
    // clearWindowDays, freeWindowDays and three kept values.
    QList<QVariantList> targets = {
        {30, 45, 100, 3, 1, 5, 0, 7, 7, 0, 0, 0},
        {35, 55, 100, 3, 2, 5, 0, 7, 7, 0, 0, 0},
        {40, 60, 100, 3, 3, 5, 0, 7, 7, 0, 0, 0},
        {45, 70, 100, 3, 4, 5, 0, 7, 7, 0, 0, 0},
    };
    for (int level = 5; level <= 20; ++level) {
        const bool practice = level % 2 == 1;
        targets.append({60, 90, practice ? 9999 : 100, 3, 1, 0, 0, 7, 7, 0, 0, 0});
    }
    return textBytes(targets);
}

bool isDataFolder(const QString& folder) {
    return QFileInfo::exists(folder + QStringLiteral("/sounds/") + kSoundTableFile);
}

QString findDataFolder(const QString& programsDir) {
    for (const QString& relative :
         {QStringLiteral("/share/narabitouch"), QStringLiteral("/../share/narabitouch")}) {
        const QString folder = QDir::cleanPath(programsDir + relative);
        if (isDataFolder(folder)) return folder;
    }
    return {};
}

QString layOutFamily(const QString& familyDir, const FamilySettings& settings,
                     const std::vector<NewStudent>& students, const QString& dataFolder,
                     const QString& programName) {
    const QDir family(familyDir);
    const QString programDir = family.filePath(programName);
    const QString soundDir = family.filePath(kSoundFolderName);
    const QDir program(programDir);
    const QString log = program.filePath(kLogFile);
    const bool keepLog = QFileInfo::exists(log);

    for (const auto& step : std::initializer_list<std::function<QString()>>{
             [&] { return makeFolder(programDir); },
             [&] { return makeFolder(soundDir); },
             [&] { return writeFile(family.filePath(kCommonDataFile), commonDataBytes(settings)); },
             [&] { return writeFile(family.filePath(kRosterFile), newRosterBytes(students)); },
             [&] { return copyFolder(dataFolder + QStringLiteral("/sounds"), soundDir); },
             [&] { return writeFile(program.filePath(kSettingsFile), programSettingsBytes()); },
             [&] { return writeFile(program.filePath(kTargetsFile), defaultTargetsBytes()); },
             [&] { return copyFolder(dataFolder + QStringLiteral("/pictures"), programDir); },
             [&] {
                 return copyFolder(dataFolder + QStringLiteral("/help"),
                                   program.filePath(QStringLiteral("help")));
             },
             [&] { return keepLog ? QString() : writeFile(log, {}); },
         }) {
        const QString problem = step();
        if (!problem.isEmpty()) return problem;
    }
    return {};
}
