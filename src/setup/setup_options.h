#pragma once

#include <QString>
#include <QStringList>
#include <map>

// The command line of narabitouch-setup: which command, on which family folder, with which
// options. A usage error or a refused input ends the command with a SetupRefusal.

enum class SetupAction {
    Help,
    Version,
    NewFamily,
    StudentAdd,
    StudentList,
    StudentRetire,
    StudentRestore
};

struct SetupRequest {
    SetupAction action = SetupAction::Help;
    QString folder;     // the family folder as given
    QString studentNo;  // retire and restore: as typed

    // The values of an option in the order given ("--student" may come several times).
    QStringList values(const QString& option) const;
    bool isSet(const QString& option) const { return options.count(option) > 0; }
    // The value of an option given at most once; `fallback` when it is not given.
    QString value(const QString& option, const QString& fallback = {}) const;
    // The same for an option that must be given.
    QString required(const QString& option) const;

    std::map<QString, QStringList> options;  // keys as written: "--code"
};

// Ends a command with a message: a refused input (exit code 1) or a usage error (2).
struct SetupRefusal {
    int code;
    QString message;
};
[[noreturn]] void refuseUsage(const QString& message);
[[noreturn]] void refuseInput(const QString& message);

// Reads the arguments (without the program's own name); throws SetupRefusal on a usage
// error, naming the option.
SetupRequest parseSetupArguments(const QStringList& args);

// The texts of --help and --version, and the line after a usage error.
QString setupUsage();
QString setupVersionLine();
QString setupHelpHint();
