#pragma once

#include <QString>

// Start-up: folders and the settings files "設定.txt" and "共通データ.txt".

struct FolderLayout {
    QString programFolder;  // ends with "/"
    QString baseFolder;
    QString dataFolder;
    QString soundFolder;
    QString programFolderName;
};

// The four folders for a program folder (given without the closing "/") and a layout mode.
FolderLayout resolveFolders(const QString& programDir, double layoutMode);

// The last component of a folder path.
QString programFolderNameOf(const QString& programDir);

// Splits a classroom text into its 5-character code and the name (see the settings).
void splitClassroomCode(const QString& text, QString* code, QString* name);

// Reads both settings files and fills the folders and settings of shared. Raises a
// run-time error naming the file when one is missing, unreadable or short.
void loadSettings(const QString& programDir);

// Settings load, title, level targets and sound table: everything before the first window.
void startUp(const QString& programDir);

// One character marking a grade code ("①".."⑥", "Ⅰ".."Ⅲ", else a full-width space).
QString gradeMarker(int gradeCode);

// Whether a grade code belongs to the grade group text ("全学年", "小学生全体", "中１", ...).
bool gradeInGroup(int gradeCode, const QString& groupText);
