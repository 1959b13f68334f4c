// The sound and print modules: found beside the program; one that is missing or broken
// makes sounds fail with a text naming the file and the problem, and printing say so.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include "platform/media_gui.h"
#include "platform/messages.h"
#include "platform/modules.h"
#include "platform/printer_gui.h"

namespace {

// The code a play ends with.
int playedCode(platform::SoundEffectMedia& sounds, const QString& command) {
    int code = -1;
    sounds.play(command, nullptr, [&](int c) { code = c; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return code != -1; }, 10000));
    return code;
}

TEST(Modules, SoundsFailWithTheModuleFileAndProblemWhenItCannotBeLoaded) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken"));
    ASSERT_TRUE(QDir().mkpath(broken));
    QFile file(broken + QStringLiteral("/narabitouch-sound.so"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("not a library") > 0);
    file.close();
    const QString wave = QStringLiteral(BUILD_DIR "/share/narabitouch/sounds/saikou1.wav");
    const QString play = QStringLiteral("play ") + wave + QStringLiteral(" wait");
    const auto restore = qScopeGuard([] { platform::setModuleFolders({}); });
    const struct {
        QString folder;  // empty: beside the program
        QString named;   // in the error text
    } cases[] = {
        {dir.path(), QStringLiteral("narabitouch-sound.so: ファイルがありません")},
        {broken, file.fileName()},
        {QString(), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder.toStdString());
        platform::setModuleFolders(c.folder.isEmpty() ? QStringList() : QStringList{c.folder});
        platform::SoundEffectMedia sounds;
        const int code = playedCode(sounds, play);
        if (c.named.isEmpty()) {
            EXPECT_NE(code, platform::mediaNoDriver);  // no device here, or it played
            continue;
        }
        EXPECT_EQ(code, platform::mediaNoDriver);
        EXPECT_EQ(playedCode(sounds, play), platform::mediaNoDriver);
        const QString text = sounds.errorString(code);
        EXPECT_TRUE(text.contains(c.named)) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("音声は鳴りません"))) << text.toStdString();
    }
}

TEST(Modules, PrintingSaysSoWhenItsModuleIsMissing) {
    QTemporaryDir dir;
    platform::RecordingMessageBoxes boxes;
    platform::setMessageBoxes(&boxes);
    platform::setModuleFolders({dir.path()});
    const auto restore = qScopeGuard([] {
        platform::setModuleFolders({});
        platform::setMessageBoxes(nullptr);
    });
    EXPECT_EQ(platform::pdfPrinter(dir.filePath(QStringLiteral("out.pdf"))), nullptr);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("印刷できません")));
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("narabitouch-print.so")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.pdf"))));
}

}  // namespace
