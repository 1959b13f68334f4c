// Decoding of wave files for the sound module (libsndfile).

#include "platform/wave_decoding_module.h"

#include <sndfile.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QFile>
#include <memory>
#include <vector>

namespace platform {

namespace {

struct SoundFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, SoundFileCloser>;

// What the sound effect reads itself: 8- and 16-bit PCM, mono or stereo.
bool readAsItIs(const SF_INFO& info) {
    const int encoding = info.format & SF_FORMAT_SUBMASK;
    return (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAV && info.channels <= 2 &&
           (encoding == SF_FORMAT_PCM_16 || encoding == SF_FORMAT_PCM_U8);
}

}  // namespace

PlayableWave::PlayableWave(const QString& path) {
    if (!decode(path)) path_.clear();
}

PlayableWave::~PlayableWave() {
    if (memoryFile_ >= 0) ::close(memoryFile_);
}

bool PlayableWave::decode(const QString& path) {
    SF_INFO info{};
    const SoundFile in(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!in || info.channels < 1 || info.samplerate < 1) return false;
    if (readAsItIs(info)) {
        path_ = path;
        return true;
    }
    // The decoded sound goes to a file in memory that disappears with its descriptor, so
    // that no file is left behind whatever way the program ends.
    memoryFile_ = memfd_create("narabitouch-sound", MFD_CLOEXEC);
    if (memoryFile_ < 0) return false;
    SF_INFO outInfo{};
    outInfo.samplerate = info.samplerate;
    outInfo.channels = info.channels;
    outInfo.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const SoundFile out(sf_open_fd(memoryFile_, SFM_WRITE, &outInfo, SF_FALSE));
    if (!out) return false;
    constexpr sf_count_t kChunkFrames = 4096;
    std::vector<short> buffer(static_cast<size_t>(kChunkFrames * info.channels));
    for (;;) {
        const sf_count_t frames = sf_readf_short(in.get(), buffer.data(), kChunkFrames);
        if (sf_error(in.get()) != SF_ERR_NO_ERROR) return false;
        if (frames <= 0) break;
        if (sf_writef_short(out.get(), buffer.data(), frames) != frames) return false;
    }
    path_ = QStringLiteral("/proc/self/fd/%1").arg(memoryFile_);
    return true;
}

}  // namespace platform
