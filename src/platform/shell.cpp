#include "platform/shell.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/messages.h"

namespace platform {

namespace {

class SystemShell : public Shell {
  public:
    bool startProgram(const QString& path, const QStringList& arguments) override {
        return QProcess::startDetached(path, arguments, QFileInfo(path).absolutePath());
    }
    bool openUrl(const QString& url) override {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        // xdg-open ends at once with an error when it finds no browser to start, and either
        // ends at once or runs along with the browser when it found one. Qt's own opener
        // reports success as soon as xdg-open has started, so its failure went unseen.
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (!opener.isEmpty()) {
            auto* process = new QProcess;
            process->setStandardOutputFile(QProcess::nullDevice());
            process->setStandardErrorFile(QProcess::nullDevice());
            process->start(opener, {url});
            if (!process->waitForStarted()) {
                delete process;
                return false;
            }
            if (process->waitForFinished(2000)) {
                const bool opened =
                    process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
                delete process;
                return opened;
            }
            // Still running with the browser: it is let go and cleaned up when it ends.
            QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
            return true;
        }
#endif
        return QDesktopServices::openUrl(QUrl(url));
    }
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

bool openInBrowser(const QString& url) {
    if (shell().openUrl(url)) return true;
    msgBox(url + QStringLiteral("\n\nこのアドレスを開くウェブブラウザを起動できませんでした。"),
           QStringLiteral("Quillmark5"), MsgIcon::Exclamation);
    return false;
}

struct SingleInstance::Impl {
    explicit Impl(const QString& path) : lock(path) {}
    QLockFile lock;
    bool acquired = false;
    QString failure;
};

SingleInstance::SingleInstance(const QString& key) {
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    impl_ = new Impl(QDir::temp().filePath(
        QStringLiteral("narabitouch-%1.lock").arg(QString::fromLatin1(hash))));
    // Stale time 0: only a lock whose owner process is gone counts as stale.
    impl_->lock.setStaleLockTime(0);
    impl_->acquired = impl_->lock.tryLock(0);
    if (!impl_->acquired && impl_->lock.error() != QLockFile::LockFailedError) {
        // The lock file itself could not be made; a file of our own tells the system's reason.
        QFile probe(QDir::temp().filePath(
            QStringLiteral("narabitouch-%1.probe").arg(QCoreApplication::applicationPid())));
        const QString reason =
            probe.open(QIODevice::WriteOnly) && probe.write("x", 1) == 1 && probe.flush()
                ? QStringLiteral("ロックファイルを作れません。")
                : probe.errorString();
        probe.remove();
        impl_->failure =
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(QDir::tempPath()), reason);
    }
}

SingleInstance::~SingleInstance() {
    delete impl_;
}

bool SingleInstance::acquired() const {
    return impl_->acquired;
}

QString SingleInstance::failure() const {
    return impl_->failure;
}

}  // namespace platform
