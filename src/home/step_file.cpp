#include "home/step_file.h"

#include <QByteArray>

#include "platform/file_replace.h"
#include "state/settings.h"

QString stepFilePath() {
    return state::settings().dataFolder + QStringLiteral("ステップ原.dat");
}

void clearStepFile() {
    platform::replaceFile(stepFilePath(), QByteArray(kStepFileRecords * kStepRecordSize, '\0'));
}
