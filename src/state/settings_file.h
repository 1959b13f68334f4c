#pragma once

#include <QString>

// The folders and the settings files "設定.txt" and "共通データ.txt".

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

// Reads both settings files and fills the folders and settings of the start-up. Raises a
// run-time error naming the file when one is missing, unreadable or short.
void loadSettings(const QString& programDir);
