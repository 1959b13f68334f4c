// The sound module: wave files played with QSoundEffect. Built as narabitouch-sound.so and
// loaded by the program the first time it plays a sound.

#include "platform/sound_module.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
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

    // False for a file the effect has already refused.
    bool usable() const { return effect_.status() != QSoundEffect::Error; }

  private:
    platform::PlayableWave wave_;
    QSoundEffect effect_;
};

class EffectOutput : public platform::SoundOutput {
  public:
    bool hasDevice() override { return !QMediaDevices::audioOutputs().isEmpty(); }
    // The effect loads in the background; a play asked for meanwhile starts once it is
    // ready, and a file it cannot load shows as failed() during the play's wait.
    std::unique_ptr<platform::SoundClip> load(const QString& path, int) override {
        auto clip = std::make_unique<EffectClip>(path);
        if (!clip->decoded() || !clip->usable()) return nullptr;
        return clip;
    }
};

}  // namespace

extern "C" Q_DECL_EXPORT platform::SoundOutput* narabiSoundOutput(int version) {
    static EffectOutput output;
    return version == platform::kSoundModuleVersion ? &output : nullptr;
}
