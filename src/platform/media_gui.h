#pragma once

#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

#include "platform/input_gui.h"
#include "platform/media.h"
#include "platform/sound_module.h"

namespace platform {

// The wait for one sound of a given length, as the blocking play of the Windows programs:
// the student's presses wait (an InputHold) and come in order after it; no loop of its own
// runs, the caller returns to the event loop. `finished` gets mediaOk when the length has
// passed, or mediaCannotLoad as soon as `failed` says the sound stopped with an error.
// The end of the length is not taken from the sound effect's own end-of-play signal: some
// audio servers report it seconds late (or early), which would stall or hurry the drill.
class SoundWait {
  public:
    SoundWait();
    void start(qint64 durationMs, std::function<bool()> failed, std::function<void(int)> finished);
    bool waiting() const { return hold_.has_value(); }
    // Ends the wait now with `code` (a wait that is not running: nothing happens).
    void finish(int code);

  private:
    std::optional<InputHold> hold_;
    QTimer end_;
    QTimer poll_;
    std::function<bool()> failed_;
    std::function<void(int)> finished_;
};

// Plays wave files through the sound module (QSoundEffect), one preloaded clip per file;
// a file that could not be loaded is tried again at its next play.
// "play <path> wait" starts the sound; its `done` runs when the sound has ended, user input
// waits meanwhile. The module is loaded by the first play, or earlier by prepare(); one
// that cannot be loaded makes every play fail with mediaNoDriver, whose text names the file.
// The clips need Qt's multimedia, which lives as long as the application object: the
// media goes before it.
class SoundEffectMedia : public Media {
  public:
    SoundEffectMedia();
    ~SoundEffectMedia() override;
    void play(const QString& command, QObject* context, SoundDone done) override;
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
    // Starts the sound of a command; returns its error code when it cannot play.
    int start(const QString& command, Clip** clip);
    std::unordered_map<QString, Clip> clips_;
    bool outputLooked_ = false;
    SoundOutput* output_ = nullptr;
    QString outputError_;
    QString failedFile_;  // the file of the last play that could not be loaded
    SoundWait wait_;
};

}  // namespace platform
