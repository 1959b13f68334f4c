#include "fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "platform/clock.h"
#include "platform/media.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/wait.h"
#include "state/session.h"
#include "state/settings.h"

namespace fuzzsupport {

namespace {

class QuietBoxes : public platform::MessageBoxes {
  public:
    void show(const QString&, const QString&, platform::MsgIcon) override {}
};

void quietLog(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

QString familyFolder() {
    static QTemporaryDir dir;
    static const QString family = [] {
        const QString path = dir.path() + QStringLiteral("/family/");
        QDir().mkpath(path + QStringLiteral("ならびタッチ"));
        QDir().mkpath(path + QStringLiteral("音フォルダ"));
        return path;
    }();
    return family;
}

QString programFolder() {
    return familyFolder() + QStringLiteral("ならびタッチ");
}

void putFile(const QString& path, const QByteArray& bytes) {
    if (bytes.isNull()) {
        QFile::remove(path);
        return;
    }
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", qPrintable(path));
        std::abort();
    }
    file.write(bytes);
}

void freshProgram() {
    static QuietBoxes boxes;
    static platform::RecordingMedia media;
    static platform::SequenceRandom random{{0.0, 0.37, 0.99, 0.5}};
    static const bool once = [] {
        qInstallMessageHandler(quietLog);
        platform::setMessageBoxes(&boxes);
        platform::setMedia(&media);
        platform::setRandom(&random);
        platform::setEndHandler([](int) {});
        platform::setWaitHandler([](int) {});
        return true;
    }();
    (void)once;
    media.commands.clear();
    media.codes.clear();
    platform::resetProgramEnding();
    state::resetRunState();
    state::settingsAtStartUp().programFolder = programFolder() + u'/';
    state::settingsAtStartUp().baseFolder = familyFolder();
    state::settingsAtStartUp().dataFolder = state::settingsAtStartUp().programFolder;
    state::settingsAtStartUp().soundFolder = familyFolder() + QStringLiteral("音フォルダ/");
    state::settingsAtStartUp().homeUse = 1;
}

void splitInput(const uint8_t* data, size_t size, QByteArray* first, QByteArray* second) {
    const QByteArray all(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype at = all.indexOf("\n====\n");
    if (at < 0) {
        *first = all;
        *second = QByteArray("");
        return;
    }
    *first = all.left(at);
    *second = all.mid(at + 6);
}

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz: rule broken: %s\n", what);
    std::abort();
}

}  // namespace fuzzsupport
