#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// A fixed-record binary file shared between processes and machines. Appends take a
// whole-file lock (an open-file-description lock on Linux, LockFileEx on Windows);
// every read and write goes through the one descriptor that holds the lock.
class RecordFile {
  public:
    enum class Access { Read, Append };

    // Opens the file; Append creates it when missing. A missing file for Read raises
    // error 53, a file that cannot be opened error 70 or 75, each naming the file.
    RecordFile(const QString& path, Access access);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Exclusive lock of the whole file, waiting while another holder keeps it.
    void lockExclusive();
    // Exclusive lock without waiting: false when another process holds a lock of the file;
    // any other failure raises a run-time error naming the file and the system's reason.
    bool tryLockExclusive();
    // Shared lock without waiting: false when another process holds the exclusive lock.
    bool tryLockShared();
    void unlock();

    qint64 size() const;
    // The whole file into `out`, in the memory `out` already holds where it is large enough.
    void readAll(QByteArray* out) const;
    // The last `records` whole records (fewer when the file holds fewer).
    QByteArray readTail(int recordSize, int records) const;
    // Writes one record after the last whole record (a torn tail is overwritten) and
    // syncs it to disk; raises error 61 or 57 naming the file when it cannot.
    void appendRecord(const QByteArray& record);

    const QString& path() const { return path_; }

  private:
    QString path_;
    int fd_ = -1;
    bool locked_ = false;
};

// Open, lock, append one record, sync, unlock, close.
void appendRecordLocked(const QString& path, const QByteArray& record);

// Reads the whole file under a shared lock. Returns false (and leaves `out` empty) when
// another process holds the exclusive lock; raises error 53 for a missing file. `out` keeps
// its memory for the next read.
bool readRecordsShared(const QString& path, QByteArray* out);

}  // namespace platform
