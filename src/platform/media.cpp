#include "platform/media.h"

namespace platform {

namespace {

class SilentMedia : public Media {
  public:
    void play(const QString&, QObject*, SoundDone done) override {
        if (done) done(mediaOk);
    }
    QString errorString(int code) override { return mediaErrorText(code); }
};

Media* g_media = nullptr;

}  // namespace

Media& media() {
    static SilentMedia silent;
    return g_media ? *g_media : silent;
}

void setMedia(Media* m) {
    g_media = m;
}

QString mediaErrorText(int code) {
    switch (code) {
        case mediaOk:
            return QStringLiteral("エラーはありません。");
        case mediaUnknownCommand:
            return QStringLiteral("指定されたコマンドは認識できません。");
        case mediaNoDevice:
            return QStringLiteral("サウンドの出力デバイスがありません。");
        case mediaNoDriver:
            return QStringLiteral("音声の部品を読み込めません。");
        case mediaFileNotFound:
            return QStringLiteral("指定されたファイルが見つかりません。");
        case mediaCannotLoad:
            return QStringLiteral("指定されたファイルはこのデバイスで再生できません。");
        case mediaTimeout:
            return QStringLiteral("再生が終わりませんでした。");
        default:
            return QStringLiteral("不明なエラーです (%1)。").arg(code);
    }
}

QString playCommandPath(const QString& command) {
    static const QString kPlay = QStringLiteral("play ");
    static const QString kWait = QStringLiteral(" wait");
    if (!command.startsWith(kPlay)) return {};
    QString path = command.mid(kPlay.size());
    if (path.endsWith(kWait)) path.chop(kWait.size());
    return path;
}

}  // namespace platform
