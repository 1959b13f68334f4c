#include "platform/media.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "platform/errors.h"
#include "platform/wave_info.h"

namespace {

// A PCM wave file with an extra chunk before "data" (as many editors write them).
QByteArray wave(quint32 sampleRate, quint16 channels, quint16 bits, quint32 dataBytes,
                bool listChunk) {
    QByteArray out = "RIFF";
    auto put32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto put16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    put32(0);
    out += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(channels);
    put32(sampleRate);
    put32(sampleRate * channels * bits / 8);
    put16(channels * bits / 8);
    put16(bits);
    if (listChunk) {
        out += "LIST";
        put32(5);  // odd size: one pad byte follows
        out += QByteArray(6, 'x');
    }
    out += "data";
    put32(dataBytes);
    out += QByteArray(static_cast<qsizetype>(dataBytes), '\0');
    return out;
}

}  // namespace

TEST(WaveLength, FromTheHeaderOfPcmFiles) {
    QTemporaryDir dir;
    const QString mono = dir.filePath(QStringLiteral("mono.wav"));
    const QString stereo = dir.filePath(QStringLiteral("stereo.wav"));
    const QString junk = dir.filePath(QStringLiteral("junk.wav"));
    QFile f1(mono), f2(stereo), f3(junk);
    ASSERT_TRUE(f1.open(QIODevice::WriteOnly));
    f1.write(wave(22050, 1, 16, 22050, false));  // half a second
    f1.close();
    ASSERT_TRUE(f2.open(QIODevice::WriteOnly));
    f2.write(wave(44100, 2, 16, 44100 * 4 * 3 / 2, true));  // 1.5 s behind a LIST chunk
    f2.close();
    ASSERT_TRUE(f3.open(QIODevice::WriteOnly));
    f3.write("RIFF....AVI LIST");
    f3.close();

    EXPECT_EQ(platform::waveDurationMs(mono), 500);
    EXPECT_EQ(platform::waveDurationMs(stereo), 1500);
    EXPECT_EQ(platform::waveDurationMs(junk), -1);
    EXPECT_EQ(platform::waveDurationMs(dir.filePath(QStringLiteral("missing.wav"))), -1);
}

TEST(MediaCommands, PlayCommandsNameTheirFile) {
    EXPECT_EQ(platform::playCommandPath(QStringLiteral("play /s/音フォルダ/pin.wav wait")),
              QStringLiteral("/s/音フォルダ/pin.wav"));
    // A blank inside the path stays part of it: the command carries the path unquoted.
    EXPECT_EQ(platform::playCommandPath(QStringLiteral("play /s/my sounds/.wav wait")),
              QStringLiteral("/s/my sounds/.wav"));
    EXPECT_EQ(platform::playCommandPath(QStringLiteral("close all")), QString());
    EXPECT_NE(platform::mediaErrorText(platform::mediaNoDevice),
              platform::mediaErrorText(platform::mediaFileNotFound));
}

TEST(RuntimeErrorText, NamesTheFileWithoutDotDot) {
    const platform::RuntimeError e(platform::errFileNotFound,
                                   QStringLiteral("/a/prog/../files/共通データ.txt"),
                                   QStringLiteral("3 行目"));
    EXPECT_TRUE(e.message().contains(QStringLiteral("'53'")));
    EXPECT_TRUE(e.message().contains(QStringLiteral("/a/files/共通データ.txt")));
    EXPECT_TRUE(e.message().contains(QStringLiteral("3 行目")));
    EXPECT_EQ(e.file(), QStringLiteral("/a/prog/../files/共通データ.txt"));
}
