// The sound module: wave files played with QSoundEffect. Built as narabitouch-sound.so and
// loaded by the program the first time it plays a sound.

#include "platform/sound_module.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include "platform/wave_decoding_module.h"

namespace {

class EffectClip : public platform::SoundClip {
  public:
    explicit EffectClip(const QString& path) : wave_(path) {
        effect_.setSource(QUrl::fromLocalFile(wave_.path()));
    }
    bool decoded() const { return !wave_.path().isEmpty(); }
    void play() override { effect_.play(); }
    void stop() override { effect_.stop(); }
    bool failed() const override { return effect_.status() == QSoundEffect::Error; }

    // Lets timers and paints run until the effect is ready or has failed.
    bool waitReady(int timeoutMs) {
        if (!settled()) {
            QEventLoop loop;
            QTimer guard;
            guard.setSingleShot(true);
            QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
            QObject::connect(&effect_, &QSoundEffect::statusChanged, &loop, [&] {
                if (settled()) loop.quit();
            });
            guard.start(timeoutMs);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        return effect_.status() == QSoundEffect::Ready;
    }

  private:
    bool settled() const {
        return effect_.status() == QSoundEffect::Ready || effect_.status() == QSoundEffect::Error;
    }
    platform::PlayableWave wave_;
    QSoundEffect effect_;
};

class EffectOutput : public platform::SoundOutput {
  public:
    bool hasDevice() override { return !QMediaDevices::audioOutputs().isEmpty(); }
    std::unique_ptr<platform::SoundClip> load(const QString& path, int timeoutMs) override {
        auto clip = std::make_unique<EffectClip>(path);
        if (!clip->decoded() || !clip->waitReady(timeoutMs)) return nullptr;
        return clip;
    }
};

}  // namespace

extern "C" Q_DECL_EXPORT platform::SoundOutput* narabiSoundOutput(int version) {
    static EffectOutput output;
    return version == platform::kSoundModuleVersion ? &output : nullptr;
}
