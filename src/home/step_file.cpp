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

QString stepFileClearedText() {
    return QStringLiteral(
               "ステップ原.dat を初期化しました（生徒 %1 人分の記録をすべて 0 にしました）。")
        .arg(kStepFileRecords);
}
