#pragma once

#include <QFunctionPointer>
#include <QString>
#include <QStringList>

namespace platform {

// The parts of the program that only some runs need (sounds, printing) are shared libraries
// of its own, loaded the first time they are asked for. Each is looked for beside the
// program first (as in the build folder), then in the installed private folder.
QStringList moduleFolders();
// Replaces the folders looked in (tests); an empty list restores the two above.
void setModuleFolders(const QStringList& folders);

// Loads `fileName` from the first folder that has it and returns its function `entry`.
// Returns nullptr when no folder has the file, the file cannot be loaded or lacks the
// function; `error` then names the file and the problem. A module once loaded stays.
QFunctionPointer loadModule(const QString& fileName, const char* entry, QString* error);

// Loads `fileName` and asks its `entry`, a function `T* entry(int version)`, for the object
// the module serves. Returns nullptr as loadModule does, and also for a module of another
// version (it answers nullptr); `error` then says which.
template <class T>
T* loadModuleObject(const QString& fileName, const char* entry, int version, QString* error) {
    using Entry = T* (*)(int);
    const auto function = reinterpret_cast<Entry>(loadModule(fileName, entry, error));
    T* object = function ? function(version) : nullptr;
    if (function && !object) *error = fileName + QStringLiteral(": 別の版のファイルです");
    return object;
}

}  // namespace platform
