#include "platform/media_gui.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>

#include "platform/input_gui.h"
#include "platform/modules.h"
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
SoundEffectMedia::~SoundEffectMedia() = default;

SoundOutput* SoundEffectMedia::output() {
    if (outputLooked_) return output_;
    outputLooked_ = true;
    QString error;
    output_ = loadModuleObject<SoundOutput>(kSoundModuleFile, kSoundModuleEntry,
                                            kSoundModuleVersion, &error);
    if (!output_)
        outputError_ =
            QStringLiteral("音声の部品を読み込めないため、音声は鳴りません。\r\n") + error;
    return output_;
}

QString SoundEffectMedia::errorString(int code) {
    if (code == mediaNoDriver && !outputError_.isEmpty()) return outputError_;
    if ((code == mediaFileNotFound || code == mediaCannotLoad) && !failedFile_.isEmpty())
        return failedFile_ + QStringLiteral(": ") + mediaErrorText(code);
    return mediaErrorText(code);
}

SoundEffectMedia::Clip* SoundEffectMedia::load(const QString& path, int* error) {
    auto it = clips_.find(path);
    if (it != clips_.end()) return &it->second;
    // Failures are not kept: the next play tries again (the file may appear or be mended,
    // a slow sound server may have come up).
    if (!QFileInfo::exists(path)) {
        failedFile_ = path;
        *error = mediaFileNotFound;
        return nullptr;
    }
    Clip clip;
    clip.durationMs = waveDurationMs(path);
    if (clip.durationMs >= 0) clip.sound = output_->load(path, kLoadTimeoutMs);
    if (!clip.sound) {
        failedFile_ = path;
        *error = mediaCannotLoad;
        return nullptr;
    }
    return &clips_.insert_or_assign(path, std::move(clip)).first->second;
}

int SoundEffectMedia::sendString(const QString& command) {
    const QString path = playCommandPath(command);
    if (path.isEmpty() && !command.startsWith(QStringLiteral("play "))) return mediaUnknownCommand;
    if (!output()) return mediaNoDriver;
    if (!output_->hasDevice()) return mediaNoDevice;
    int error = mediaOk;
    Clip* clip = load(path, &error);
    if (!clip) return error;

    SoundClip* sound = clip->sound.get();
    sound->stop();
    sound->play();
    const int result = waitForSoundEnd(clip->durationMs, [sound] { return sound->failed(); });
    if (result != mediaOk) sound->stop();
    return result;
}

}  // namespace platform
