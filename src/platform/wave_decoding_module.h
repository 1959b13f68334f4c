#pragma once

#include <QString>

namespace platform {

// A wave file as the sound effect can read it. Files of 8- or 16-bit PCM are read as they
// are; any other sound libsndfile can decode (PCM of any width, float, µ-law, A-law, IMA
// and MS ADPCM ...) is decoded to 16-bit PCM in an anonymous in-memory file, which goes
// with this object. Part of the sound module only: the program does not link libsndfile.
class PlayableWave {
  public:
    explicit PlayableWave(const QString& path);
    ~PlayableWave();
    PlayableWave(const PlayableWave&) = delete;
    PlayableWave& operator=(const PlayableWave&) = delete;

    // The file to give the sound effect; empty when the file cannot be decoded.
    const QString& path() const { return path_; }

  private:
    bool decode(const QString& path);
    QString path_;
    int memoryFile_ = -1;
};

}  // namespace platform
