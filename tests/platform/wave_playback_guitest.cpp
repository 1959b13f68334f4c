// Wave files of every common encoding play through the real sound module. Sounds need a
// sound server: ctest runs these against a private PulseAudio whose only output is a null
// sink (tests/with_null_sink.sh); where no server runs they are skipped.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <vector>

#include "platform/media_gui.h"

namespace {

constexpr int kRate = 22050;
constexpr int kFrames = kRate / 4;  // a quarter of a second

// A 440 Hz tone in the given libsndfile format; false when libsndfile cannot write it.
bool writeTone(const QString& path, int format, int channels) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file) return false;
    std::vector<float> samples(static_cast<size_t>(kFrames * channels));
    for (size_t k = 0; k < samples.size(); ++k)
        samples[k] = 0.5f * static_cast<float>(std::sin(2 * M_PI * 440 * (k / channels) / kRate));
    const bool written = sf_writef_float(file, samples.data(), kFrames) == kFrames;
    return sf_close(file) == 0 && written;
}

// The code the play of a file ends with, once its sound has ended.
int played(platform::SoundEffectMedia& sounds, const QString& path) {
    int code = -1;
    sounds.play(QStringLiteral("play ") + path + QStringLiteral(" wait"), nullptr,
                [&](int c) { code = c; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return code != -1; }, 10000));
    return code;
}

TEST(WavePlayback, EveryEncodingPlaysAndFailedLoadsAreTriedAgain) {
    QTemporaryDir dir;
    platform::SoundEffectMedia sounds;
    const QString missing = dir.filePath(QStringLiteral("none.wav"));
    if (played(sounds, missing) == platform::mediaNoDevice)
        GTEST_SKIP() << "no sound server runs here";

    const struct {
        const char* name;
        int format;
        int channels;
    } cases[] = {
        {"pcm8", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1},
        {"pcm16 stereo", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2},
        {"pcm24", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 1},
        {"pcm32", SF_FORMAT_WAV | SF_FORMAT_PCM_32, 1},
        {"float", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1},
        {"mu-law", SF_FORMAT_WAV | SF_FORMAT_ULAW, 1},
        {"a-law", SF_FORMAT_WAV | SF_FORMAT_ALAW, 1},
        {"ima adpcm", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 1},
        {"ms adpcm stereo", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("%1 音.wav").arg(QLatin1String(c.name)));
        ASSERT_TRUE(writeTone(path, c.format, c.channels));
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(played(sounds, path), platform::mediaOk);
        // The play ends with the end of the sound (a failure ends at once).
        EXPECT_GE(clock.elapsed(), 200);
    }

    // A wave file libsndfile cannot decode fails, naming the file; mended, it plays at the
    // next play.
    const QString broken = dir.filePath(QStringLiteral("壊れた.wav"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        QByteArray("RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x34\x12\x01\x00"
                   "\x22\x56\x00\x00\x22\x56\x00\x00\x01\x00\x08\x00"
                   "data\x00\x00\x00\x00",  // apart: "\x00da" would be one escape
                   44));
    file.close();
    const int code = played(sounds, broken);
    EXPECT_EQ(code, platform::mediaCannotLoad);
    EXPECT_TRUE(sounds.errorString(code).startsWith(broken))
        << sounds.errorString(code).toStdString();
    ASSERT_TRUE(writeTone(broken, SF_FORMAT_WAV | SF_FORMAT_ULAW, 1));
    EXPECT_EQ(played(sounds, broken), platform::mediaOk);
}

}  // namespace
