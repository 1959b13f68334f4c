#pragma once

#include <QString>

// The program's own version, set by the build.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

ProgramVersion programVersion();

// "Version" followed directly by major.minor.revision ("Version1.0.5").
QString versionText(const ProgramVersion& version);
