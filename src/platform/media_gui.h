#pragma once

#include <QHash>
#include <QString>

#include "platform/media.h"

class QSoundEffect;

namespace platform {

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
