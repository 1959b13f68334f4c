#include "platform/media_gui.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "platform/input_gui.h"
#include "platform/wave_info.h"

namespace platform {

namespace {
constexpr int kLoadTimeoutMs = 3000;
constexpr int kGuardExtraMs = 2000;
}  // namespace

int waitForSoundEnd(qint64 durationMs, const std::function<bool()>& failed) {
    // The wait ends when the clip's length has passed. The end-of-play signal of the
    // sound effect is not used for it: some audio servers report it seconds late (or
    // early), which would stall or hurry the drill.
    const InputHold holdPresses;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(5);
    QTimer guard;
    guard.setSingleShot(true);
    QElapsedTimer elapsed;
    int result = mediaOk;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (failed && failed()) {
            result = mediaCannotLoad;
            loop.quit();
        } else if (elapsed.elapsed() >= durationMs) {
            loop.quit();
        }
    });
    QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
        result = mediaTimeout;
        loop.quit();
    });
    elapsed.start();
    poll.start();
    // A header may claim any length: no sound waits longer than ten minutes.
    guard.start(static_cast<int>(std::min<qint64>(durationMs, 600000)) + kGuardExtraMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return result;
}

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

    clip->effect->stop();
    clip->effect->play();
    const int result = waitForSoundEnd(
        clip->durationMs, [clip] { return clip->effect->status() == QSoundEffect::Error; });
    if (result != mediaOk) clip->effect->stop();
    return result;
}

}  // namespace platform
