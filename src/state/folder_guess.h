#pragma once

#include <QString>

// The program and the export take a program folder (the one holding "設定.txt"), the set-up
// command a family folder (the one holding "共通データ.txt"). Given the other kind, they
// take the one folder of the wanted kind that belongs to it, or name what to give.

struct FolderGuess {
    QString folder;   // the folder to use (cleaned, absolute); empty when none fits
    QString note;     // set when another folder than the one given is used
    QString problem;  // set when none fits: names the folder(s) to give
};

// The program folder for `given`: itself when it holds "設定.txt"; the one sub-folder
// holding "設定.txt" of a family folder. A folder that does not exist is returned as it
// is (the caller names it).
FolderGuess programFolderFor(const QString& given);

// The family folder for `given`: itself when it holds "共通データ.txt" or does not exist;
// the family folder of a program folder (its parent, or the parent's "files", whichever
// holds "共通データ.txt").
FolderGuess familyFolderFor(const QString& given);
