// Writes the program's own sounds and card pictures into a data folder, from which a new
// family folder takes them:
//
//   make_media <data folder>     writes <data folder>/sounds/ and <data folder>/pictures/

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QVariantList>
#include <cstdio>

#include "demo_media.h"
#include "platform/sequential_text.h"

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make_media: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeText(const QString& path, const QList<QVariantList>& lines) {
    platform::SeqTextWriter writer;
    for (const QVariantList& line : lines) writer.writeLine(line);
    return writeBytes(path, writer.bytes());
}

// Sections of the sound table with the tones of their files.
struct SoundFiles {
    const char* section;
    QList<QPair<QString, QList<Tone>>> files;
};

bool writeSounds(const QDir& soundDir) {
    const QList<SoundFiles> sounds = {
        {"正解音1",
         {{"kaiketsu1", {{784, 90}, {988, 90}, {1175, 90}, {1568, 220}}},
          {"kaiketsu2", {{659, 90}, {880, 90}, {1319, 240}}}}},
        {"正解音2", {{"pin", {{1319, 70}}}, {"pon", {{1175, 70}}}}},
        {"間違い音1", {{"bu", {{196, 160}, {0, 30}, {185, 160}}}}},
        {"間違い音2", {{"bubu", {{220, 120}, {0, 40}, {220, 120}}}}},
        {"最高音1", {{"saikou1", {{1047, 120}, {1319, 120}, {1568, 300}}}}},
        {"最高音2", {{"saikou2", {{1319, 120}, {1568, 300}}}}},
        {"自己最高音1", {{"jiko1", {{880, 120}, {1109, 250}}}}},
        {"自己最高音2", {{"jiko2", {{784, 110}, {988, 110}, {1319, 300}}}}},
        {"自己最高音3", {{"jiko3", {{659, 120}, {988, 250}}}}},
        {"不合格音1", {{"zannen", {{392, 200}, {330, 200}, {262, 350}}}}},
    };
    bool ok = true;
    QList<QVariantList> table;
    for (const SoundFiles& entry : sounds) {
        table.append({QString::fromUtf8(entry.section)});
        for (const auto& file : entry.files) {
            table.append({QVariant(file.first)});
            ok &= writeBytes(soundDir.filePath(file.first + QStringLiteral(".wav")),
                             makeWave(file.second));
        }
        table.append({QStringLiteral("*")});
    }
    ok &= writeText(soundDir.filePath(QStringLiteral("新音ファイル.txt")), table);
    ok &= writeBytes(soundDir.filePath(QStringLiteral("最高1.wav")),
                     makeWave({{1047, 150}, {1319, 150}, {1568, 150}, {2093, 400}}));
    ok &= writeBytes(
        soundDir.filePath(QStringLiteral("合格.wav")),
        makeWave({{523, 150}, {659, 150}, {784, 150}, {1047, 150}, {784, 120}, {1047, 450}}));
    return ok;
}

bool writePictures(const QDir& pictureDir) {
    bool ok = true;
    QList<QVariantList> pictures = {{1, 20}};
    for (int i = 0; i < 10; ++i) {
        const QString card = QStringLiteral("card%1.bmp").arg(i + 1);
        const QString done = QStringLiteral("done%1.bmp").arg(i + 1);
        ok &= makeCardPicture(i, 180, 136).save(pictureDir.filePath(card));
        ok &= makeDonePicture(i, 180, 136).save(pictureDir.filePath(done));
        pictures.append({QVariant(card), QVariant(done)});
    }
    ok &= writeText(pictureDir.filePath(QStringLiteral("picture.txt")), pictures);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_media <data folder>\n");
        return 2;
    }
    const QDir data(args[1]);
    const QString soundDir = data.filePath(QStringLiteral("sounds"));
    const QString pictureDir = data.filePath(QStringLiteral("pictures"));
    if (!QDir().mkpath(soundDir) || !QDir().mkpath(pictureDir)) {
        std::fprintf(stderr, "make_media: cannot create the folders under %s\n",
                     qPrintable(args[1]));
        return 1;
    }
    const bool ok = writeSounds(QDir(soundDir)) & writePictures(QDir(pictureDir));
    return ok ? 0 : 1;
}
