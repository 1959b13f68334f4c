#include "platform/whole_file.h"

#include <QFile>
#include <QFileInfo>

#include "platform/errors.h"

#ifdef _WIN32
#include <QSaveFile>
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#endif

namespace platform {

#ifdef _WIN32

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw RuntimeError(errPermissionDenied, path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw RuntimeError(errDeviceIO, path, file.errorString());
}

#else

namespace {

int errorFromErrno(int e) {
    switch (e) {
        case ENOENT:
        case ENOTDIR:
            return errPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return errPermissionDenied;
        case ENOSPC:
        case EDQUOT:
            return errDiskFull;
        default:
            return errDeviceIO;
    }
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t put =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return false;
        done += put;
    }
    return true;
}

}  // namespace

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temp = target + ".tmp";
    int fd;
    do {
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) throw RuntimeError(errorFromErrno(errno), path);
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int e = errno;
        ::close(fd);
        ::unlink(temp.constData());
        throw RuntimeError(errorFromErrno(e), path);
    }
    if (::close(fd) != 0 || ::rename(temp.constData(), target.constData()) != 0) {
        const int e = errno;
        ::unlink(temp.constData());
        throw RuntimeError(errorFromErrno(e), path);
    }
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

#endif

}  // namespace platform
