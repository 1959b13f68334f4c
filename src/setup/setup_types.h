#pragma once

#include <QString>
#include <functional>

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
