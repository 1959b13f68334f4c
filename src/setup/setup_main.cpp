// narabitouch-setup: a new family folder and its students (see --help).
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "setup/family_layout.h"
#include "setup/setup_command.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    const QString programsDir = QCoreApplication::applicationDirPath();
    SetupPlaces places;
    places.dataFolder = findDataFolder(programsDir);
    // Not found: messages name the folder of an installation.
    if (places.dataFolder.isEmpty())
        places.dataFolder = QDir::cleanPath(programsDir + QStringLiteral("/../share/narabitouch"));
    places.programPath = QDir(programsDir).filePath(QStringLiteral("narabitouch"));
    SetupOutput out;
    out.standardOutput = [](const QString& text) {
        std::fputs((text + u'\n').toLocal8Bit().constData(), stdout);
    };
    out.standardError = [](const QString& text) {
        std::fputs((text + u'\n').toLocal8Bit().constData(), stderr);
    };
    return runSetup(args, places, out);
}
