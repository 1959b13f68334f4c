#include "platform/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace platform {

namespace {

QStringList& replacedFolders() {
    static QStringList folders;
    return folders;
}

}  // namespace

QStringList moduleFolders() {
    if (!replacedFolders().isEmpty()) return replacedFolders();
    // The installed folder, as the path from the installed programs' folder to it.
    const QString programs = QCoreApplication::applicationDirPath();
    return {programs, QDir::cleanPath(programs + QStringLiteral("/" NARABI_MODULE_DIR))};
}

void setModuleFolders(const QStringList& folders) {
    replacedFolders() = folders;
}

QFunctionPointer loadModule(const QString& fileName, const char* entry, QString* error) {
    const QStringList folders = moduleFolders();
    QString path;
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(fileName);
        if (QFileInfo::exists(candidate)) {
            path = candidate;
            break;
        }
    }
    if (path.isEmpty()) {
        *error = QStringLiteral("%1: ファイルがありません (%2)")
                     .arg(fileName, folders.join(QStringLiteral(", ")));
        return nullptr;
    }
    QLibrary library(path);
    // Objects made by the module may live until the very end of the process.
    library.setLoadHints(QLibrary::PreventUnloadHint);
    QFunctionPointer function = library.resolve(entry);
    if (!function) *error = library.errorString();
    return function;
}

}  // namespace platform
