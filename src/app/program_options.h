#pragma once

#include <QString>

// The program's own command-line options:
//
//   narabitouch [--folder PROGRAM_FOLDER]
//
// Without --folder the program runs on the folder of its executable, as on the family's
// Windows machines. Options for Qt itself (-platform, ...) are left where they are.

struct ProgramOptions {
    QString programDir;  // absolute, without the closing "/"; empty: the executable's folder
    bool help = false;
    QString error;  // a usage error, naming the option
};

// Takes the program's options out of argc/argv, leaving the rest for Qt.
ProgramOptions takeProgramOptions(int& argc, char** argv);

// The text of --help.
QString programUsage();

// Raises a run-time error naming the folder when it is missing or is not a program folder
// (no "設定.txt" in it).
void checkProgramFolder(const QString& programDir);
