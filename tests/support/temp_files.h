#pragma once

// Writing the program's text files for tests: CP932 with CR LF line ends.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include "platform/ansi.h"

namespace testfiles {

// Writes the bytes as they are; creates missing parent folders.
inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(bytes) == bytes.size();
}

// Writes the lines in CP932, each ended by CR LF.
inline bool writeAnsiLines(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += platform::toAnsi(line) + "\r\n";
    return writeBytes(path, bytes);
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace testfiles
