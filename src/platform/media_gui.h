#pragma once

#include <QHash>
#include <QString>
#include <functional>

#include "platform/media.h"

class QSoundEffect;

namespace platform {

// Waits for a sound of the given length, as the blocking play of the Windows programs:
// the student's presses wait (an InputHold, so also while a clock tick lets events run),
// timers and paints go on. Returns mediaOk at the end of the sound, mediaCannotLoad as
// soon as `failed` says the sound stopped with an error, mediaTimeout when the end never
// came within the length and two seconds.
int waitForSoundEnd(qint64 durationMs, const std::function<bool()>& failed);

// Plays wave files with QSoundEffect, one preloaded effect per file. "play <path> wait"
// returns when the sound has ended; user input waits meanwhile, timers keep running.
class SoundEffectMedia : public Media {
  public:
    SoundEffectMedia();
    ~SoundEffectMedia() override;
    int sendString(const QString& command) override;
    QString errorString(int code) override { return mediaErrorText(code); }

  private:
    struct Clip {
        QSoundEffect* effect = nullptr;
        qint64 durationMs = 0;
        bool ready = false;
    };
    Clip* load(const QString& path, int* error);
    QHash<QString, Clip> clips_;
};

}  // namespace platform
