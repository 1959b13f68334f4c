#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The program's own command-line options:
//
//   narabitouch [--folder PROGRAM_FOLDER]
//
// Without --folder the program runs on the folder of its executable, as on the family's
// Windows machines. Qt's own options (-platform, -style, ...) are passed on to Qt. They are
// read before any window system is asked for, so --help and --version need no display.

struct ProgramOptions {
    QString programDir;  // absolute, without the closing "/"; empty: the executable's folder
    bool help = false;
    bool version = false;
    QString error;                        // a usage error, naming the option
    std::vector<QByteArray> qtArguments;  // the program's name and Qt's own options
};

// Reads the program's options from its arguments (the first is the program's name).
ProgramOptions readProgramOptions(const std::vector<QByteArray>& arguments);

// The texts of --help, --version and the line after a usage error.
QString programUsage();
QString programVersionLine();
QString programHelpHint();

// Raises a run-time error naming the folder when it is missing or is not a program folder
// (no "設定.txt" in it), and what to give instead.
void checkProgramFolder(const QString& programDir);
