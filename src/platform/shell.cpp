#include "platform/shell.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QUrl>

namespace platform {

namespace {

class SystemShell : public Shell {
  public:
    bool startProgram(const QString& path, const QStringList& arguments) override {
        return QProcess::startDetached(path, arguments, QFileInfo(path).absolutePath());
    }
    bool openUrl(const QString& url) override { return QDesktopServices::openUrl(QUrl(url)); }
};

Shell* g_shell = nullptr;

}  // namespace

Shell& shell() {
    static SystemShell system;
    return g_shell ? *g_shell : system;
}

void setShell(Shell* s) {
    g_shell = s;
}

struct SingleInstance::Impl {
    explicit Impl(const QString& path) : lock(path) {}
    QLockFile lock;
    bool acquired = false;
};

SingleInstance::SingleInstance(const QString& key) {
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    impl_ = new Impl(QDir::temp().filePath(
        QStringLiteral("narabitouch-%1.lock").arg(QString::fromLatin1(hash))));
    // Stale time 0: only a lock whose owner process is gone counts as stale.
    impl_->lock.setStaleLockTime(0);
    impl_->acquired = impl_->lock.tryLock(0);
}

SingleInstance::~SingleInstance() {
    delete impl_;
}

bool SingleInstance::acquired() const {
    return impl_->acquired;
}

}  // namespace platform
