#include "platform/shared_files.h"

#include <QThread>

#include "platform/record_file.h"

namespace platform {

namespace {

class RealAppendFile : public AppendFile {
  public:
    explicit RealAppendFile(const QString& path) : file_(path, RecordFile::Access::Append) {}
    bool tryLock() override { return file_.tryLockExclusive(); }
    QByteArray tail(int recordSize, int records) override {
        return file_.readTail(recordSize, records);
    }
    void append(const QByteArray& record) override { file_.appendRecord(record); }

  private:
    RecordFile file_;
};

class RealSharedFiles : public SharedFiles {
  public:
    std::unique_ptr<AppendFile> openForAppend(const QString& path) override {
        return std::make_unique<RealAppendFile>(path);
    }
    void pause(int ms) override { QThread::msleep(static_cast<unsigned long>(ms)); }
};

SharedFiles* g_files = nullptr;

}  // namespace

SharedFiles& sharedFiles() {
    static RealSharedFiles real;
    return g_files ? *g_files : real;
}

void setSharedFiles(SharedFiles* files) {
    g_files = files;
}

}  // namespace platform
