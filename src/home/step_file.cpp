#include "home/step_file.h"

#include <QByteArray>

#include "app/shared_state.h"
#include "platform/whole_file.h"

QString stepFilePath() {
    return shared.dataFolder + QStringLiteral("ステップ原.dat");
}

void clearStepFile() {
    platform::writeWholeFile(stepFilePath(), QByteArray(kStepFileRecords * kStepRecordSize, '\0'));
}
