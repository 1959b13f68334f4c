#include "home/step_file.h"

#include <QByteArray>

#include "app/shared_state.h"
#include "platform/file_replace.h"

QString stepFilePath() {
    return shared.dataFolder + QStringLiteral("ステップ原.dat");
}

void clearStepFile() {
    platform::replaceFile(stepFilePath(), QByteArray(kStepFileRecords * kStepRecordSize, '\0'));
}
