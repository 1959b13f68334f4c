#include "platform/record_file.h"

#include <QFile>
#include <algorithm>

#include "platform/errors.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace platform {

namespace {

#ifndef _WIN32
// A failed system call as a run-time error naming the file and giving the system's text.
RuntimeError systemError(int code, const QString& path) {
    return RuntimeError(errorNumberOfSystemError(code), path, systemErrorText(code));
}

bool setLock(int fd, short type, bool wait) {
    struct flock fl = {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0;  // the whole file, including what is appended later
    for (;;) {
        if (fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &fl) == 0) return true;
        if (errno == EINTR) continue;
        return false;
    }
}
#endif

}  // namespace

RecordFile::RecordFile(const QString& path, Access access) : path_(path) {
#ifdef _WIN32
    const std::wstring wpath = path.toStdWString();
    const int flags =
        access == Access::Append ? (_O_RDWR | _O_CREAT | _O_BINARY) : (_O_RDONLY | _O_BINARY);
    fd_ = _wopen(wpath.c_str(), flags, _S_IREAD | _S_IWRITE);
    if (fd_ < 0) throw RuntimeError(errno == ENOENT ? errFileNotFound : errPermissionDenied, path_);
#else
    const QByteArray native = QFile::encodeName(path);
    const int flags =
        access == Access::Append ? (O_RDWR | O_CREAT | O_CLOEXEC) : (O_RDONLY | O_CLOEXEC);
    do {
        fd_ = ::open(native.constData(), flags, 0666);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) throw systemError(errno, path_);
#endif
}

RecordFile::~RecordFile() {
    if (fd_ < 0) return;
    if (locked_) unlock();
#ifdef _WIN32
    _close(fd_);
#else
    ::close(fd_);
#endif
}

void RecordFile::lockExclusive() {
#ifdef _WIN32
    OVERLAPPED ov = {};
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd_));
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &ov))
        throw RuntimeError(errPermissionDenied, path_);
#else
    if (!setLock(fd_, F_WRLCK, true)) throw systemError(errno, path_);
#endif
    locked_ = true;
}

bool RecordFile::tryLockExclusive() {
#ifdef _WIN32
    OVERLAPPED ov = {};
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd_));
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD,
                    &ov))
        return false;
#else
    if (!setLock(fd_, F_WRLCK, false)) {
        // Only these two mean another holder; anything else is a failure of the file.
        if (errno == EAGAIN || errno == EACCES) return false;
        throw systemError(errno, path_);
    }
#endif
    locked_ = true;
    return true;
}

bool RecordFile::tryLockShared() {
#ifdef _WIN32
    OVERLAPPED ov = {};
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd_));
    if (!LockFileEx(h, LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &ov)) return false;
#else
    if (!setLock(fd_, F_RDLCK, false)) {
        if (errno == EAGAIN || errno == EACCES) return false;
        throw systemError(errno, path_);
    }
#endif
    locked_ = true;
    return true;
}

void RecordFile::unlock() {
#ifdef _WIN32
    OVERLAPPED ov = {};
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd_));
    UnlockFileEx(h, 0, MAXDWORD, MAXDWORD, &ov);
#else
    setLock(fd_, F_UNLCK, false);
#endif
    locked_ = false;
}

qint64 RecordFile::size() const {
#ifdef _WIN32
    return _filelengthi64(fd_);
#else
    struct stat st = {};
    if (fstat(fd_, &st) != 0) throw systemError(errno, path_);
    return static_cast<qint64>(st.st_size);
#endif
}

void RecordFile::readAll(QByteArray* out) const {
    const qint64 total = size();
    out->resize(static_cast<qsizetype>(total));
    qint64 done = 0;
    while (done < total) {
#ifdef _WIN32
        _lseeki64(fd_, done, SEEK_SET);
        const int got = _read(fd_, out->data() + done, static_cast<unsigned>(total - done));
#else
        const ssize_t got = ::pread(fd_, out->data() + done, static_cast<size_t>(total - done),
                                    static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
#endif
        if (got < 0) throw RuntimeError(errDeviceIO, path_);
        if (got == 0) break;
        done += got;
    }
    out->resize(static_cast<qsizetype>(done));
}

QByteArray RecordFile::readTail(int recordSize, int records) const {
    const qint64 whole = (size() / recordSize) * recordSize;
    const qint64 from = std::max<qint64>(0, whole - qint64(recordSize) * records);
    QByteArray out(static_cast<qsizetype>(whole - from), '\0');
    qint64 done = 0;
    while (done < out.size()) {
#ifdef _WIN32
        _lseeki64(fd_, from + done, SEEK_SET);
        const int got = _read(fd_, out.data() + done, static_cast<unsigned>(out.size() - done));
#else
        const ssize_t got = ::pread(fd_, out.data() + done, static_cast<size_t>(out.size() - done),
                                    static_cast<off_t>(from + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw systemError(errno, path_);
#endif
        if (got <= 0) break;
        done += got;
    }
    out.resize(static_cast<qsizetype>(done));
    return out;
}

void RecordFile::appendRecord(const QByteArray& record) {
    const qint64 recordSize = record.size();
    const qint64 offset = (size() / recordSize) * recordSize;
    qint64 done = 0;
    while (done < recordSize) {
#ifdef _WIN32
        _lseeki64(fd_, offset + done, SEEK_SET);
        const int put =
            _write(fd_, record.constData() + done, static_cast<unsigned>(recordSize - done));
        if (put < 0) throw RuntimeError(errno == ENOSPC ? errDiskFull : errDeviceIO, path_);
#else
        const ssize_t put =
            ::pwrite(fd_, record.constData() + done, static_cast<size_t>(recordSize - done),
                     static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) {
            const int e = errno;
            // Leave no partial record behind.
            if (ftruncate(fd_, static_cast<off_t>(offset)) != 0) {
            }
            throw systemError(e, path_);
        }
#endif
        done += put;
    }
#ifdef _WIN32
    if (_commit(fd_) != 0) throw RuntimeError(errDeviceIO, path_);
#else
    if (::fdatasync(fd_) != 0) throw systemError(errno, path_);
#endif
}

void appendRecordLocked(const QString& path, const QByteArray& record) {
    RecordFile file(path, RecordFile::Access::Append);
    file.lockExclusive();
    file.appendRecord(record);
    file.unlock();
}

bool readRecordsShared(const QString& path, QByteArray* out) {
    out->resize(0);
    RecordFile file(path, RecordFile::Access::Read);
    if (!file.tryLockShared()) return false;
    file.readAll(out);
    file.unlock();
    return true;
}

}  // namespace platform
