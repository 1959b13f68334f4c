#include "platform/media_gui.h"

#include <QFileInfo>
#include <QPointer>
#include <algorithm>

#include "platform/modules.h"
#include "platform/wave_info.h"

namespace platform {

namespace {
constexpr int kLoadTimeoutMs = 3000;
constexpr int kFailurePollMs = 20;
// A header may claim any length: no sound waits longer than ten minutes.
constexpr qint64 kLongestSoundMs = 600000;
}  // namespace

SoundWait::SoundWait() {
    end_.setSingleShot(true);
    end_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&end_, &QTimer::timeout, [this] { finish(mediaOk); });
    poll_.setInterval(kFailurePollMs);
    QObject::connect(&poll_, &QTimer::timeout, [this] {
        if (failed_ && failed_()) finish(mediaCannotLoad);
    });
}

void SoundWait::start(qint64 durationMs, std::function<bool()> failed,
                      std::function<void(int)> finished) {
    finish(mediaOk);  // one sound at a time
    hold_.emplace();
    failed_ = std::move(failed);
    finished_ = std::move(finished);
    end_.start(static_cast<int>(std::clamp<qint64>(durationMs, 0, kLongestSoundMs)));
    if (failed_) poll_.start();
}

void SoundWait::finish(int code) {
    if (!hold_) return;
    end_.stop();
    poll_.stop();
    failed_ = nullptr;
    auto finished = std::move(finished_);
    finished_ = nullptr;
    // The held presses are handed on (posted) before what follows the sound runs, so
    // they come after it, in order.
    hold_.reset();
    if (finished) finished(code);
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

int SoundEffectMedia::start(const QString& command, Clip** clip) {
    const QString path = playCommandPath(command);
    if (path.isEmpty() && !command.startsWith(QStringLiteral("play "))) return mediaUnknownCommand;
    if (!output()) return mediaNoDriver;
    if (!output_->hasDevice()) return mediaNoDevice;
    int error = mediaOk;
    *clip = load(path, &error);
    if (!*clip) return error;
    (*clip)->sound->stop();
    (*clip)->sound->play();
    return mediaOk;
}

void SoundEffectMedia::play(const QString& command, QObject* context, SoundDone done) {
    wait_.finish(mediaOk);  // a sound still playing makes way
    Clip* clip = nullptr;
    const int code = start(command, &clip);
    if (code != mediaOk) {
        if (done) done(code);
        return;
    }
    SoundClip* sound = clip->sound.get();
    const QPointer<QObject> receiver(context);
    const bool anyReceiver = !context;
    wait_.start(
        clip->durationMs, [sound] { return sound->failed(); },
        [this, path = playCommandPath(command), sound, receiver, anyReceiver,
         done = std::move(done)](int result) {
            if (result != mediaOk) sound->stop();
            if (result == mediaCannotLoad) {
                // A clip the effect could not load is not kept: the next play tries again.
                failedFile_ = path;
                clips_.erase(path);
            }
            if (done && (anyReceiver || receiver)) done(result);
        });
}

}  // namespace platform
