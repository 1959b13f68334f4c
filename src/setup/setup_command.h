#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// narabitouch-setup: lays out a new family folder and adds, lists, retires and restores
// the students of its roster (see --help). Nothing is written when an input is refused.

// Where the command finds what it lays out: the data folder (sounds/, pictures/, help/)
// and the program a family's launcher starts.
struct SetupPlaces {
    QString dataFolder;
    QString programPath;
};

// Where the messages go, one at a time without a line end.
struct SetupOutput {
    std::function<void(const QString&)> standardOutput;
    std::function<void(const QString&)> standardError;
};

// Exit codes.
constexpr int kSetupOk = 0;
constexpr int kSetupRefused = 1;
constexpr int kSetupUsageError = 2;

// The whole command: arguments (without the program's own name) in, messages out, an exit
// code back.
int runSetup(const QStringList& args, const SetupPlaces& places, const SetupOutput& out);
