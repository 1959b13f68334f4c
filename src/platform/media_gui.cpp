#include "platform/media_gui.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include "platform/wave_info.h"

namespace platform {

namespace {
constexpr int kLoadTimeoutMs = 3000;
constexpr int kGuardExtraMs = 2000;
}  // namespace

SoundEffectMedia::SoundEffectMedia() = default;

SoundEffectMedia::~SoundEffectMedia() {
    for (auto& clip : clips_) delete clip.effect;
}

SoundEffectMedia::Clip* SoundEffectMedia::load(const QString& path, int* error) {
    auto it = clips_.find(path);
    if (it != clips_.end()) {
        if (!it->ready) *error = mediaCannotLoad;
        return it->ready ? &it.value() : nullptr;
    }
    Clip clip;
    if (!QFileInfo::exists(path)) {
        *error = mediaFileNotFound;
        return nullptr;  // not cached: the file may appear later
    }
    clip.durationMs = waveDurationMs(path);
    clip.effect = new QSoundEffect;
    clip.effect->setSource(QUrl::fromLocalFile(path));
    if (clip.effect->status() != QSoundEffect::Ready &&
        clip.effect->status() != QSoundEffect::Error) {
        QEventLoop loop;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(clip.effect, &QSoundEffect::statusChanged, &loop, [&] {
            if (clip.effect->status() == QSoundEffect::Ready ||
                clip.effect->status() == QSoundEffect::Error)
                loop.quit();
        });
        guard.start(kLoadTimeoutMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    clip.ready = clip.effect->status() == QSoundEffect::Ready && clip.durationMs >= 0;
    auto inserted = clips_.insert(path, clip);
    if (!clip.ready) {
        *error = mediaCannotLoad;
        return nullptr;
    }
    return &inserted.value();
}

int SoundEffectMedia::sendString(const QString& command) {
    const QString path = playCommandPath(command);
    if (path.isEmpty() && !command.startsWith(QStringLiteral("play "))) return mediaUnknownCommand;
    if (QMediaDevices::audioOutputs().isEmpty()) return mediaNoDevice;
    int error = mediaOk;
    Clip* clip = load(path, &error);
    if (!clip) return error;

    // The wait ends when the clip's length has passed. The end-of-play signal of the
    // sound effect is not used for it: some audio servers report it seconds late (or
    // early), which would stall or hurry the drill.
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(5);
    QTimer guard;
    guard.setSingleShot(true);
    QElapsedTimer elapsed;
    int result = mediaOk;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (clip->effect->status() == QSoundEffect::Error) {
            result = mediaCannotLoad;
            loop.quit();
        } else if (elapsed.elapsed() >= clip->durationMs) {
            loop.quit();
        }
    });
    QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
        result = mediaTimeout;
        loop.quit();
    });
    clip->effect->stop();
    clip->effect->play();
    elapsed.start();
    poll.start();
    guard.start(static_cast<int>(clip->durationMs) + kGuardExtraMs);
    // Input waits until the sound has ended, as with the blocking call of the Windows
    // programs; timers and paints go on.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (result != mediaOk) clip->effect->stop();
    return result;
}

}  // namespace platform
