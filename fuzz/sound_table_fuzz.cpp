// "新音ファイル.txt", then every section played once (the first play of each fails, to
// drive the failure guard too).
#include "fuzz_support.h"
#include "platform/errors.h"
#include "platform/media.h"
#include "platform/program.h"
#include "sound/sound.h"
#include "state/settings.h"

namespace {

int fuzzOne(const uint8_t* data, size_t size) {
    fuzzsupport::freshProgram();
    fuzzsupport::putFile(
        state::settingsAtStartUp().soundFolder + QStringLiteral("新音ファイル.txt"),
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    try {
        Sounds sounds;
        sounds.load(state::settingsAtStartUp().soundFolder);
        platform::RecordingMedia& media = static_cast<platform::RecordingMedia&>(platform::media());
        media.codes = {platform::mediaFileNotFound, platform::mediaFileNotFound};
        for (int n = 0; n <= 11 && !platform::programEnding(); ++n) sounds.playSection(n);
        sounds.playFixed(QStringLiteral("最高1.wav"));
    } catch (const platform::RuntimeError&) {
    }
    return 0;
}

}  // namespace

NARABI_FUZZ_TARGET(sound_table)
