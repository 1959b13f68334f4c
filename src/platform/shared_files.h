#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace platform {

// A fixed-record file of the family opened for appending (see RecordFile).
class AppendFile {
  public:
    virtual ~AppendFile() = default;
    // The whole-file lock without waiting: false while another process holds the file.
    virtual bool tryLock() = 0;
    virtual QByteArray tail(int recordSize, int records) = 0;
    virtual void append(const QByteArray& record) = 0;
};

// How the program reaches the files it appends to. Every failure raises a run-time error
// naming the file and the system's reason. Tests install layers that fail on purpose.
class SharedFiles {
  public:
    virtual ~SharedFiles() = default;
    // Opens `path`, creating it when missing.
    virtual std::unique_ptr<AppendFile> openForAppend(const QString& path) = 0;
    // Waits `ms` milliseconds without letting events run (between lock attempts).
    virtual void pause(int ms) = 0;
};

SharedFiles& sharedFiles();
// Installs a layer; nullptr restores the real files.
void setSharedFiles(SharedFiles* files);

}  // namespace platform
