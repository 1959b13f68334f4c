#pragma once

#include <QString>
#include <memory>

// What the program asks of its sound module (narabitouch-sound.so, which alone links Qt's
// multimedia libraries). The module is built with the program: nothing here is a stable
// interface, the version below only keeps a stray older file from being used.

namespace platform {

inline constexpr int kSoundModuleVersion = 1;
inline const QString kSoundModuleFile = QStringLiteral("narabitouch-sound.so");
// extern "C" SoundOutput* narabiSoundOutput(int version): nullptr for another version.
inline constexpr char kSoundModuleEntry[] = "narabiSoundOutput";

// One wave file, decoded and ready to play again and again.
class SoundClip {
  public:
    virtual ~SoundClip() = default;
    // Starts the sound from its beginning; returns at once.
    virtual void play() = 0;
    virtual void stop() = 0;
    // True once the sound has stopped with an error.
    virtual bool failed() const = 0;
};

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    virtual bool hasDevice() = 0;
    // Prepares the wave file at `path` (loading may go on in the background, for at most
    // timeoutMs). Returns nullptr when it cannot be played.
    virtual std::unique_ptr<SoundClip> load(const QString& path, int timeoutMs) = 0;
};

}  // namespace platform
