#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>

#include "platform/media.h"
#include "platform/sound_module.h"

namespace platform {

// Waits for a sound of the given length, as the blocking play of the Windows programs:
// the student's presses wait (an InputHold, so also while a clock tick lets events run),
// timers and paints go on. Returns mediaOk at the end of the sound, mediaCannotLoad as
// soon as `failed` says the sound stopped with an error, mediaTimeout when the end never
// came within the length and two seconds.
int waitForSoundEnd(qint64 durationMs, const std::function<bool()>& failed);

// Plays wave files through the sound module (QSoundEffect), one preloaded clip per file;
// a file that could not be loaded is tried again at its next play.
// "play <path> wait" returns when the sound has ended; user input waits meanwhile, timers
// keep running. The module is loaded by the first play, or earlier by prepare(); one that
// cannot be loaded makes every play fail with mediaNoDriver, whose text names the file.
class SoundEffectMedia : public Media {
  public:
    SoundEffectMedia();
    ~SoundEffectMedia() override;
    int sendString(const QString& command) override;
    QString errorString(int code) override;
    // Loads the module now, so that the first sound does not wait for it.
    void prepare() { output(); }

  private:
    struct Clip {
        std::unique_ptr<SoundClip> sound;  // nullptr: the file cannot be played
        qint64 durationMs = 0;
    };
    SoundOutput* output();
    Clip* load(const QString& path, int* error);
    std::unordered_map<QString, Clip> clips_;
    bool outputLooked_ = false;
    SoundOutput* output_ = nullptr;
    QString outputError_;
    QString failedFile_;  // the file of the last play that could not be loaded
};

}  // namespace platform
