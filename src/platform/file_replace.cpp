#include "platform/file_replace.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/errors.h"

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

bool flushToDisk(int handle) {
#ifdef Q_OS_WIN
    return _commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

// Makes the rename itself durable; folders that cannot be opened or flushed (some
// network shares) are passed over, the rename has been done all the same.
void flushFolder(const QString& path) {
#ifndef Q_OS_WIN
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(path);
#endif
}

}  // namespace

void replaceFile(const QString& path, const QString& tempPath, const QByteArray& bytes) {
    QFile temp(tempPath);
    // The error numbers follow what failed (a full disk, a read-only or missing folder).
    errno = 0;
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        const int code = errno;
        throw RuntimeError(code == ENOENT ? errPathNotFound
                           : code == 0    ? errPermissionDenied
                                          : errorNumberOfSystemError(code),
                           path, QStringLiteral("%1: %2").arg(tempPath, temp.errorString()));
    }
    errno = 0;
    const bool written = temp.write(bytes) == bytes.size() && flushToDisk(temp.handle());
    const int code = errno;
    const QString detail =
        temp.error() != QFileDevice::NoError ? temp.errorString() : systemError(code);
    temp.close();
    if (!written) {
        QFile::remove(tempPath);
        throw RuntimeError(code == 0 ? errDeviceIO : errorNumberOfSystemError(code), path,
                           QStringLiteral("%1: %2").arg(tempPath, detail));
    }
    // QFile::rename refuses to replace an existing file; the system call replaces it in
    // one step.
    if (std::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(path).constData()) !=
        0) {
        const int code = errno;
        QFile::remove(tempPath);
        throw RuntimeError(errPathFileAccess, path, systemError(code));
    }
    flushFolder(path);
}

void replaceFile(const QString& path, const QByteArray& bytes) {
    replaceFile(path,
                path + QLatin1Char('.') + QString::number(QCoreApplication::applicationPid()) +
                    QStringLiteral(".tmp"),
                bytes);
}

}  // namespace platform
