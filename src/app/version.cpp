#include "app/version.h"

#ifndef NARABI_VERSION_MAJOR
#error "the build sets NARABI_VERSION_MAJOR, _MINOR and _PATCH from the project version"
#endif

ProgramVersion programVersion() {
    return {NARABI_VERSION_MAJOR, NARABI_VERSION_MINOR, NARABI_VERSION_PATCH};
}

QString versionText(const ProgramVersion& version) {
    return QStringLiteral("Version%1.%2.%3")
        .arg(version.major)
        .arg(version.minor)
        .arg(version.revision);
}
