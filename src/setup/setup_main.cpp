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
    // Beside the program (built or installed), then the folders the build put it in and
    // would install it to: a program copied elsewhere still finds its data.
    places.dataFolder = findDataFolder(programsDir);
    for (const QString& built :
         {QStringLiteral(NARABI_BUILT_DATA_DIR), QStringLiteral(NARABI_INSTALLED_DATA_DIR)}) {
        if (places.dataFolder.isEmpty() && isDataFolder(built)) places.dataFolder = built;
    }
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
