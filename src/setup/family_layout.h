#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The files of a family folder as an installation lays them out (flat layout):
//
//   <family>/                 共通データ.txt, 生徒用名簿.txt
//   <family>/音フォルダ/        新音ファイル.txt and the wave files
//   <family>/ならびタッチ/      設定.txt, タイム回数データ.txt, picture.txt and the card
//                              pictures, help/, 成績累積データ.dat
//
// The sounds, pictures and help pages are copied from the program's data folder, which
// holds them as sounds/, pictures/ and help/.

inline const QString kCommonDataFile = QStringLiteral("共通データ.txt");
inline const QString kRosterFile = QStringLiteral("生徒用名簿.txt");
inline const QString kSoundFolderName = QStringLiteral("音フォルダ");
inline const QString kProgramFolderName = QStringLiteral("ならびタッチ");

struct FamilySettings {
    int schoolYearStartMonth = 4;
    QString classroomCode;  // five digits
    QString classroomName;
};

struct NewStudent {
    QString name;  // as stored (see roster_input.h)
    int birthYear = 0;
};

// "共通データ.txt": start month, code and classroom name, the status-2 switch (off) and
// seven values no program of the family needs here.
QByteArray commonDataBytes(const FamilySettings& settings);

// "生徒用名簿.txt": the students numbered 1, 2, ..., all active.
QByteArray newRosterBytes(const std::vector<NewStudent>& students);

// The program's own "設定.txt" (flat layout) and "タイム回数データ.txt" (levels 1..20).
QByteArray programSettingsBytes();
QByteArray defaultTargetsBytes();

// The data folder beside the programs in `programsDir`: "share/narabitouch" in the build
// folder, "../share/narabitouch" when installed. Empty when neither holds the sounds.
QString findDataFolder(const QString& programsDir);
// Whether a folder holds the sounds of a data folder.
bool isDataFolder(const QString& folder);

// Writes every file of the family folder, replacing files of the same name; an existing
// results log is kept. Returns an empty text, or what failed, naming the file.
QString layOutFamily(const QString& familyDir, const FamilySettings& settings,
                     const std::vector<NewStudent>& students, const QString& dataFolder,
                     const QString& programName = kProgramFolderName);
