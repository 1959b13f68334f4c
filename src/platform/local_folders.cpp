#include "platform/local_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QString userStateFolder() {
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!state.isEmpty() && QDir::isAbsolutePath(state)) return QDir::cleanPath(state);
    return QDir::homePath() + QStringLiteral("/.local/state");
#endif
}

QString canonicalPath(const QString& path) {
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    for (;;) {
        const QString canonical = QFileInfo(existing).canonicalFilePath();
        if (!canonical.isEmpty()) return QDir::cleanPath(canonical + rest);
        const qsizetype cut = existing.lastIndexOf(u'/');
        if (cut <= 0) return QDir::cleanPath(existing + rest);
        rest = existing.mid(cut) + rest;
        existing.truncate(cut);
    }
}

}  // namespace platform
